#include "ScriptedHeartsPlayer.h"

#include "DriverProcess.h"

namespace velmora::test {

namespace {

constexpr int kHandSlots = 27;
constexpr int kFirstPassPlace = 27;

} // namespace

std::string ScriptedHeartsPlayer::describeTable() {
    std::string text = "table: points";
    for (int seat = 0; seat < 4; ++seat)
        text += " " + m_driver.caption("Label40", seat);
    text += "; hand";
    for (int slot = 0; slot < kHandSlots + 3; ++slot) {
        if (!m_driver.visible("Image11", slot)) continue;
        const std::string picture = m_driver.property("Image11", slot, "picture");
        text += " " + std::to_string(slot) + ":" + picture.substr(picture.find_last_of('\\') + 1);
    }
    text += "; trick";
    for (int seat = 0; seat < 4; ++seat) {
        if (!m_driver.visible("Image9", seat)) continue;
        const std::string picture = m_driver.property("Image9", seat, "picture");
        text += " " + std::to_string(seat) + ":" + picture.substr(picture.find_last_of('\\') + 1);
    }
    for (int timer : {1, 7, 8})
        text += ", Timer" + std::to_string(timer) + (m_driver.timerEnabled(timer) ? " on" : " off");
    const auto shown = [&](const std::string& what, const std::string& name) {
        text += ", " + what + (m_driver.visible(name) ? " shown" : " hidden");
    };
    shown("INIZIA", "Label42");
    shown("pass button", "Label54");
    shown("PROSSIMO TURNO", "Label49");
    text += ", marker at " + m_driver.property("Shape1", "left") + "," + m_driver.property("Shape1", "top");
    return text;
}

std::string ScriptedHeartsPlayer::tableState() {
    std::string state;
    for (int seat = 0; seat < 4; ++seat) {
        state += m_driver.caption("Label40", seat) + "|";
        state += m_driver.visible("Image9", seat) ? m_driver.property("Image9", seat, "picture") : "-";
        state += "|";
    }
    for (int slot = 0; slot < kHandSlots; ++slot)
        state += m_driver.visible("Image11", slot) ? "1" : "0";
    return state;
}

int ScriptedHeartsPlayer::seatPoints() {
    int sum = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const std::vector<std::string> lines = valueLines(m_driver.caption("Label40", seat));
        if (!lines.empty()) sum += std::stoi(lines.front());
    }
    return sum;
}

void ScriptedHeartsPlayer::startRound(HeartsTournamentPlay& play) {
    if (!m_driver.visible("Picture5")) throw DriverFailure("the table screen is not shown");
    if (!m_driver.visible("Label42"))
        throw DriverFailure("a new round shows no \"INIZIA\"; " + describeTable());
    m_driver.click("Label42");
    ++play.rounds;
    passThreeCards(play);
}

// Sets aside the first three shown cards (the hand is redrawn after each) and passes them.
void ScriptedHeartsPlayer::passThreeCards(HeartsTournamentPlay& play) {
    if (!m_driver.visible("Label54"))
        throw DriverFailure("no pass button after \"INIZIA\"; " + describeTable());
    for (int place = 0; place < 3; ++place) {
        int slot = 0;
        while (slot < kHandSlots && !m_driver.visible("Image11", slot))
            ++slot;
        if (slot == kHandSlots) throw DriverFailure("no card left to set aside; " + describeTable());
        m_driver.click("Image11", slot);
        if (!m_driver.visible("Image11", kFirstPassPlace + place))
            throw DriverFailure("the card set aside is not in pass place " + std::to_string(place) + "; " +
                                describeTable());
    }
    m_driver.click("Label54");
    if (m_driver.visible("Label54") || !m_driver.timerEnabled(7))
        throw DriverFailure("the pass of three cards did not start the table; " + describeTable());
    play.cardsPassed += 3;
}

// His turn: the table driver waits for him and his card of this trick is not down yet.
bool ScriptedHeartsPlayer::humansTurn() {
    return !m_driver.timerEnabled(7) && !m_driver.visible("Label42") && !m_driver.visible("Label54") &&
           !m_driver.visible("Label49") && !m_driver.visible("Image9", 3);
}

// Tries the shown cards from the left; an illegal one is ignored by the game, a taken one starts
// the table driver again.
void ScriptedHeartsPlayer::playOneCard(HeartsTournamentPlay& play) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (!m_driver.visible("Image11", slot)) continue;
        m_driver.click("Image11", slot);
        if (m_driver.timerEnabled(7)) {
            if (!m_driver.visible("Image9", 3))
                throw DriverFailure("the human's card was taken but not put on the table; " +
                                    describeTable());
            ++play.cardsPlayed;
            if (m_afterCard) m_afterCard(play.cardsPlayed);
            return;
        }
    }
    throw DriverFailure("none of the human's cards is taken on his turn; " + describeTable());
}

int ScriptedHeartsPlayer::boardLines(int item, const std::string& text) {
    int count = 0;
    for (const std::string& line : valueLines(m_driver.caption("Label38", item)))
        count += line == text ? 1 : 0;
    return count;
}

void ScriptedHeartsPlayer::lookAtOtherTable(HeartsTournamentPlay& play) {
    const std::string own = m_driver.property("Combo7", "text");
    std::string items = m_driver.property("Combo7", "items") + "|";
    std::string other;
    for (size_t at = 0; at < items.size();) {
        const size_t bar = items.find('|', at);
        const std::string table = items.substr(at, bar - at);
        if (table != own && !table.empty()) {
            other = table;
            break;
        }
        at = bar + 1;
    }
    if (other.empty()) return;
    m_driver.run("choose Combo7 " + other);
    play.outAtOtherTable.push_back(boardLines(5, "X"));
    m_driver.run("choose Combo7 " + own);
}

HeartsTournamentPlay ScriptedHeartsPlayer::playTournament() {
    HeartsTournamentPlay play;
    startRound(play);
    std::string lastState;
    int stillTicks = 0;
    bool backgroundRunning = false;
    while (play.ticks < kMaxTicks) {
        if (m_driver.visible("Picture7")) {
            tableClosed();
            return play;
        }
        const bool background = m_driver.timerEnabled(8);
        if (backgroundRunning && !background && !m_driver.visible("Label49")) lookAtOtherTable(play);
        backgroundRunning = background;
        if (m_driver.visible("Label49")) {
            play.handPoints.push_back(seatPoints());
            play.emptyHandsAtClose.push_back(boardLines(6, "0"));
            play.outAtClose.push_back(boardLines(5, "X"));
            play.throughAtClose.push_back(boardLines(18, "V"));
            tableClosed();
            m_driver.click("Label49");
            if (m_driver.visible("Picture7")) return play;
            startRound(play);
            stillTicks = 0;
            continue;
        }
        if (humansTurn()) {
            if (!m_driver.timerEnabled(1)) ++play.turnsWithoutWatch;
            playOneCard(play);
            stillTicks = 0;
        }
        step(play.ticks);
        const std::string state = tableState();
        if (state == lastState) {
            if (++stillTicks >= kStallTicks)
                throw DriverFailure("the table has not moved for " + std::to_string(kStallTicks / 2) +
                                    " s on the table clock; " + describeTable());
        } else {
            stillTicks = 0;
            lastState = state;
        }
    }
    throw DriverFailure("the tournament is not over after " + std::to_string(kMaxTicks / 2) +
                        " s on the table clock; " + describeTable());
}

} // namespace velmora::test
