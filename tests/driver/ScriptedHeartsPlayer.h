#pragma once

#include "ScriptedTablePlayer.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

class DriverProcess;

// What the human went through in one Hearts tournament, from "INIZIA" to the prize board.
struct HeartsTournamentPlay {
    int rounds = 0;
    int cardsPlayed = 0;
    int cardsPassed = 0;
    // Penalty points the four seats of his table had taken when each of his hands ended (26 each).
    std::vector<int> handPoints;
    // The standings board of his own table when each hand ended: rows showing no cards left and
    // rows marked "X" (out) and "V" (through).
    std::vector<int> emptyHandsAtClose, outAtClose, throughAtClose;
    // Rows marked "X" on the standings board of another table, looked at once the other tables'
    // hands were over while his own still went on (one entry per such look).
    std::vector<int> outAtOtherTable;
    // His turns at which the table watch (Timer1), which redraws the scoreboard, was stopped.
    int turnsWithoutWatch = 0;
    long ticks = 0; // half-second steps of the virtual clock
};

// Plays the human's seat at a Hearts table through the driver as a plain player would: after
// "INIZIA" he sets aside his first three shown cards and presses the pass button; on his turn he
// tries his shown cards from the left until one is taken; between rounds he presses
// "PROSSIMO TURNO" and "INIZIA", until the prize board opens.
class ScriptedHeartsPlayer : public ScriptedTablePlayer {
  public:
    explicit ScriptedHeartsPlayer(DriverProcess& driver) : ScriptedTablePlayer(driver) {}

    // From the table screen with "INIZIA" showing to the prize board. Throws DriverFailure, with a
    // description of the table, when the table stops making progress.
    HeartsTournamentPlay playTournament();

    // Longest a tournament may take on the virtual clock, in half-second steps.
    static constexpr long kMaxTicks = 20000;
    // Half-second steps in which something at the table must change while the human waits.
    static constexpr int kStallTicks = 60;

    // Called after each card the human plays, with the number he has played in the tournament.
    void setAfterCard(std::function<void(int)> hook) { m_afterCard = std::move(hook); }

  private:
    void startRound(HeartsTournamentPlay& play);
    void passThreeCards(HeartsTournamentPlay& play);
    bool humansTurn();
    void playOneCard(HeartsTournamentPlay& play);
    // Counts the lines of a standings board column that read `text`.
    int boardLines(int item, const std::string& text);
    // Looks at the standings board of the first table other than his own, then back at his own.
    void lookAtOtherTable(HeartsTournamentPlay& play);
    // The four seats' points as their labels show them.
    int seatPoints();
    // What the player sees of the table, to tell whether it moved.
    std::string tableState();
    // The table's counters, cards, timers and buttons, for a failure message.
    std::string describeTable();

    std::function<void(int)> m_afterCard;
};

} // namespace velmora::test
