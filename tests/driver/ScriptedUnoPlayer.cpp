#include "ScriptedUnoPlayer.h"

#include "DriverProcess.h"

#include <algorithm>
#include <array>

namespace velmora::test {

namespace {

constexpr int kHandSlots = 27;
// The colour buttons Label48 0..3 in their order on the table.
constexpr std::array<const char*, 4> kColourButtons = {"blu", "giallo", "rosso", "verde"};

int counter(DriverProcess& driver, int seat) {
    return std::stoi(driver.caption("Label40", seat));
}

// The lines of a board column as the driver prints it, line breaks written "\\n".
std::vector<std::string> lines(const std::string& column) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t end = column.find("\\n"); end != std::string::npos; end = column.find("\\n", start)) {
        out.push_back(column.substr(start, end - start));
        start = end + 2;
    }
    if (start < column.size()) out.push_back(column.substr(start));
    return out;
}

} // namespace

// The human may move when his draw pile is offered and neither seat driver is running.
bool ScriptedUnoPlayer::humansTurn() {
    return m_driver.visible("Image10", 3) && !m_driver.timerEnabled(3) && !m_driver.timerEnabled(4);
}

// The colour he holds most of (a card picture is "\immagini\uno\<value><colour>.jpg").
int ScriptedUnoPlayer::preferredColourButton() {
    std::array<int, 4> held{};
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (!m_driver.visible("Image11", slot)) continue;
        const std::string picture = m_driver.property("Image11", slot, "picture");
        for (size_t colour = 0; colour < kColourButtons.size(); ++colour) {
            if (picture.find(std::string(kColourButtons[colour]) + ".jpg") != std::string::npos)
                ++held[colour];
        }
    }
    int best = 0;
    for (int colour = 1; colour < 4; ++colour)
        if (held[colour] > held[best]) best = colour;
    return best;
}

// Clicks the shown hand cards from the left until one is taken. An unplayable card is ignored by the
// game; a taken one starts the human's move driver or, for a wild card, asks for the colour.
bool ScriptedUnoPlayer::tryHandCards(UnoTournamentPlay& play) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (!m_driver.visible("Image11", slot)) continue;
        m_driver.click("Image11", slot);
        if (m_driver.visible("Label48", 0)) {
            const int button = preferredColourButton();
            m_driver.click("Label48", button);
            ++play.cardsPlayed;
            ++play.wildCards;
            return true;
        }
        if (m_driver.timerEnabled(4)) {
            ++play.cardsPlayed;
            return true;
        }
    }
    return false;
}

void ScriptedUnoPlayer::takeTurn(UnoTournamentPlay& play) {
    ++play.turns;
    if (tryHandCards(play)) return;
    m_driver.click("Image10", 3);
    ++play.draws;
    if (!m_driver.visible("Label44"))
        throw DriverFailure("the human drew a card but \"Passa\" is not shown; " + describeTable());
    if (tryHandCards(play)) return;
    m_driver.click("Label44");
    ++play.passes;
}

std::string ScriptedUnoPlayer::describeTable() {
    std::string text = "table: cards";
    for (int seat = 0; seat < 4; ++seat)
        text += " " + m_driver.caption("Label40", seat);
    for (int timer = 1; timer <= 4; ++timer)
        text += ", Timer" + std::to_string(timer) + (m_driver.timerEnabled(timer) ? " on" : " off");
    const auto shown = [&](const std::string& what, const std::string& name, int index) {
        text += ", " + what + (m_driver.visible(name, index) ? " shown" : " hidden");
    };
    shown("draw pile", "Image10", 3);
    shown("notice", "Label38", 21);
    text += m_driver.visible("Label44") ? ", Passa shown" : ", Passa hidden";
    text += m_driver.visible("Label49") ? ", PROSSIMO TURNO shown" : ", PROSSIMO TURNO hidden";
    return text;
}

void ScriptedUnoPlayer::startRound(UnoTournamentPlay& play) {
    if (!m_driver.visible("Picture5")) throw DriverFailure("the table screen is not shown");
    if (!m_driver.visible("Label42")) throw DriverFailure("a new round shows no \"INIZIA\"");
    UnoRound round;
    round.caption = m_driver.caption("Label38", 20);
    play.rounds.push_back(round);
    m_driver.click("Label42");
}

// Notes how many seats were already done at the moment the human's counter reads 0.
void ScriptedUnoPlayer::watchHumanFinish(UnoRound& round) {
    if (round.finishedBeforeHim >= 0 || counter(m_driver, 3) != 0) return;
    int others = 0;
    for (int seat = 0; seat < 3; ++seat)
        if (counter(m_driver, seat) == 0) ++others;
    round.finishedBeforeHim = others;
}

// Adds the seats whose counters have just reached 0 to the round's finishing order.
void ScriptedUnoPlayer::watchFinishes(UnoRound& round) {
    for (int seat = 0; seat < 4; ++seat) {
        if (counter(m_driver, seat) != 0) continue;
        if (std::find(round.finishOrder.begin(), round.finishOrder.end(), seat) == round.finishOrder.end())
            round.finishOrder.push_back(seat);
    }
}

UnoTournamentPlay ScriptedUnoPlayer::playTournament() {
    UnoTournamentPlay play;
    startRound(play);
    int turnsWithoutTime = 0;
    while (play.ticks < kMaxTicks) {
        UnoRound& round = play.rounds.back();
        watchHumanFinish(round);
        watchFinishes(round);
        if (m_driver.visible("Picture7")) {
            tableClosed();
            return play;
        }
        if (m_driver.visible("Label49")) {
            tableClosed();
            for (int timer = 1; timer <= 8; ++timer)
                if (m_driver.timerEnabled(timer)) round.timersAtClose.push_back(timer);
            round.pileAtClose = m_driver.property("Image9", 4, "picture");
            round.humanCardsLeft = counter(m_driver, 3);
            round.boardTable = m_driver.property("Combo7", "text");
            round.boardCards = lines(m_driver.caption("Label38", 6));
            round.boardGoesOn = lines(m_driver.caption("Label38", 18));
            for (int seat = 0; seat < 4; ++seat)
                round.seatCards.push_back(counter(m_driver, seat));
            m_driver.click("Label49");
            if (m_driver.visible("Picture7")) return play;
            startRound(play);
            continue;
        }
        if (humansTurn()) {
            // With the notice up his table is over (or his hand is empty): the pile must not be
            // offered then, and he has nothing to do but wait for the other tables.
            if (m_driver.visible("Label38", 21)) {
                round.drawPileLeftOpen = true;
            } else {
                if (++turnsWithoutTime > 3)
                    throw DriverFailure("the human's turn does not end: his moves change nothing; " +
                                        describeTable());
                takeTurn(play);
                continue;
            }
        }
        turnsWithoutTime = 0;
        step(play.ticks);
    }
    throw DriverFailure("the tournament is not over after " + std::to_string(kMaxTicks / 2) +
                        " s on the table clock");
}

} // namespace velmora::test
