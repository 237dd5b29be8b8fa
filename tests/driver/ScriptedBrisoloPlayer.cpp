#include "ScriptedBrisoloPlayer.h"

#include "DriverProcess.h"

namespace velmora::test {

namespace {
constexpr int kHandSlots = 27;
} // namespace

// The human may play while his table waits: no driver tick pending, no manche being scored, the
// hand not over.
bool ScriptedBrisoloPlayer::humansTurn() {
    return !m_driver.timerEnabled(6) && !m_driver.visible("Label42") && !m_driver.visible("Label38", 21) &&
           !m_driver.visible("Label49") && !m_driver.visible("Image9", 3);
}

int ScriptedBrisoloPlayer::seatPoints() {
    int sum = 0;
    for (int seat = 0; seat < 4; ++seat) {
        const std::vector<std::string> lines = valueLines(m_driver.caption("Label40", seat));
        if (!lines.empty()) sum += std::stoi(lines.front());
    }
    return sum;
}

BrisoloTournamentPlay ScriptedBrisoloPlayer::playTournament() {
    BrisoloTournamentPlay play;
    bool handCounted = false;
    if (!m_driver.visible("Label42")) throw DriverFailure("the table shows no \"INIZIA\"");
    m_driver.click("Label42");
    ++play.rounds;
    while (play.ticks < kMaxTicks) {
        if (m_driver.visible("Picture7")) {
            tableClosed();
            return play;
        }
        if (m_driver.visible("Label38", 21) && !handCounted) {
            play.handPoints += (play.handPoints.empty() ? "" : " ") + std::to_string(seatPoints());
            handCounted = true;
        }
        if (m_driver.visible("Label49")) {
            tableClosed();
            m_driver.click("Label49");
            if (m_driver.visible("Picture7")) return play;
            if (!m_driver.visible("Label42")) throw DriverFailure("a new round shows no \"INIZIA\"");
            m_driver.click("Label42");
            ++play.rounds;
            handCounted = false;
            continue;
        }
        if (humansTurn()) {
            bool played = false;
            for (int slot = 0; slot < kHandSlots && !played; ++slot) {
                if (!m_driver.visible("Image11", slot)) continue;
                m_driver.click("Image11", slot);
                played = true;
            }
            if (played) {
                if (!m_driver.timerEnabled(6))
                    throw DriverFailure("the human's card did not start the table");
                ++play.cardsPlayed;
            }
        }
        step(play.ticks);
    }
    throw DriverFailure("the tournament is not over after " + std::to_string(kMaxTicks / 2) +
                        " s on the table clock");
}

} // namespace velmora::test
