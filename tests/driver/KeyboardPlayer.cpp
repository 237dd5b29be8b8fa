#include "KeyboardPlayer.h"

#include "DriverProcess.h"

namespace velmora::test {

namespace {
constexpr int kPlaces = 30; // the hand and the three Hearts pass places
constexpr int kFirstPassPlace = 27;
constexpr int kActionsWithoutTime = 6;
} // namespace

void KeyboardPlayer::send(const std::string& command) {
    const DriverAnswer answer = m_driver.send(command);
    if (!answer.ok) throw DriverFailure(command + " refused: " + answer.error + "; " + describe());
}

int KeyboardPlayer::framed() {
    int found = -1;
    for (int slot = 0; slot < kPlaces; ++slot) {
        if (m_driver.property("Image11", slot, "framed") != "true") continue;
        if (found >= 0) throw DriverFailure("two cards framed at once; " + describe());
        found = slot;
    }
    return found;
}

std::string KeyboardPlayer::describe() {
    std::string text = "table:";
    for (int seat = 0; seat < 4; ++seat)
        text += " " + m_driver.caption("Label40", seat);
    text += "; hand";
    for (int slot = 0; slot < kPlaces; ++slot) {
        if (!m_driver.visible("Image11", slot)) continue;
        const std::string picture = m_driver.property("Image11", slot, "picture");
        text += " " + std::to_string(slot) + ":" + picture.substr(picture.find_last_of('\\') + 1);
        if (m_driver.property("Image11", slot, "framed") == "true") text += "[framed]";
    }
    for (int timer = 1; timer <= 8; ++timer)
        if (m_driver.timerEnabled(timer)) text += ", Timer" + std::to_string(timer);
    for (const char* button : {"Label42", "Label49", "Label54", "Label44", "HandRow"})
        if (m_driver.visible(button)) text += std::string(", ") + button + " shown";
    return text;
}

void KeyboardPlayer::passThreeCards(KeyboardPlay& play) {
    if (framed() < 0) key("Right");
    for (int place = 0; place < 3; ++place) {
        // The button looks ready all along; the prompt under it counts the cards still to choose.
        if (m_driver.property("Label54", "dimmed") != "false")
            throw DriverFailure("the pass button looks disabled; " + describe());
        if (m_driver.caption("Label85") != "Scegli 3 carte da passare: " + std::to_string(place) + " di 3")
            throw DriverFailure("the prompt does not count " + std::to_string(place) + " cards set aside; " +
                                describe());
        const int slot = framed();
        if (slot < 0 || slot >= kFirstPassPlace) throw DriverFailure("no hand card framed; " + describe());
        key("Space");
        if (!m_driver.visible("Image11", kFirstPassPlace + place))
            throw DriverFailure("Space did not set the framed card aside; " + describe());
    }
    if (m_driver.caption("Label85") != "Premi il pulsante (o Invio) per passare le 3 carte")
        throw DriverFailure("the prompt does not say the three cards are ready; " + describe());
    key("Return");
    if (m_driver.visible("Label54") || !m_driver.timerEnabled(7))
        throw DriverFailure("Enter did not pass the three cards; " + describe());
    play.cardsPassed += 3;
}

void KeyboardPlayer::walkTheFrame(int from, KeyboardPlay& play) {
    key("Right");
    const int moved = framed();
    if (moved < 0) throw DriverFailure("Right lost the frame; " + describe());
    if (moved == from) return; // the only card he may play
    ++play.frameMoves;
    key("Left");
    if (framed() != from) throw DriverFailure("Left did not bring the frame back; " + describe());
}

void KeyboardPlayer::takeTurn(KeyboardPlay& play) {
    int slot = framed();
    if (slot < 0) {
        // The first arrow shows the frame; Uno with no card that fits shows none.
        if (m_driver.send("key Right").ok) slot = framed();
    }
    // Uno with no card that fits: draw one, and pass when it does not fit either.
    if (slot < 0 && m_driver.visible("Image10", 3)) {
        key("P");
        ++play.draws;
        slot = framed();
        if (slot < 0 && m_driver.send("key Right").ok) slot = framed();
    }
    if (slot < 0 && m_driver.visible("Label44")) {
        key("S");
        ++play.passes;
        return;
    }
    if (slot < 0) throw DriverFailure("his turn, and no card framed; " + describe());
    if (m_driver.property("Image11", slot, "dimmed") == "true") ++play.dimmedFramed;
    if (play.cardsPlayed % 4 == 0) walkTheFrame(slot, play);
    // Enter and Space both play the framed card.
    key(play.cardsPlayed % 2 == 0 ? "Return" : "Space");
    ++play.cardsPlayed;
}

KeyboardPlay KeyboardPlayer::playTournament() {
    KeyboardPlay play;
    if (!m_driver.visible("Label42")) throw DriverFailure("the table shows no \"INIZIA\"");
    key("Return");
    ++play.rounds;
    int actionsWithoutTime = 0;
    while (play.ticks < kMaxTicks) {
        if (m_driver.visible("Picture7")) return play;
        if (++actionsWithoutTime > kActionsWithoutTime)
            throw DriverFailure("his keys change nothing on the table; " + describe());
        if (m_driver.visible("Label49")) {
            // The closed round has just come up: his Enter waits for it to be read.
            if (m_driver.send("key Return").ok) ++play.keysPastResult;
            send("advance 500");
            ++play.ticks;
            key("Return");
            if (m_driver.visible("Picture7")) return play;
            if (!m_driver.visible("Label42"))
                throw DriverFailure("a new round shows no \"INIZIA\"; " + describe());
            key("Return");
            ++play.rounds;
            continue;
        }
        if (m_driver.visible("Label48", 0) && m_driver.visible("Label48", 1)) {
            // The colour by its number on the table, or by its initial.
            const int colour = play.colours % 4;
            key(play.colours % 2 == 0 ? std::to_string(colour + 1) : std::string(1, "BGRV"[colour]));
            ++play.colours;
            continue;
        }
        if (m_driver.visible("Label54") && !m_driver.visible("Label42") && !m_driver.timerEnabled(7)) {
            passThreeCards(play);
            continue;
        }
        if (m_driver.visible("HandRow")) {
            takeTurn(play);
            continue;
        }
        actionsWithoutTime = 0;
        send("advance 500");
        ++play.ticks;
    }
    throw DriverFailure("the tournament is not over after " + std::to_string(kMaxTicks / 2) +
                        " s on the table clock; " + describe());
}

} // namespace velmora::test
