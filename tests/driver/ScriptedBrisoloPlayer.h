#pragma once

#include "ScriptedTablePlayer.h"

#include <functional>
#include <string>

namespace velmora::test {

class DriverProcess;

// What the human went through in one Brisolo tournament, from "INIZIA" to the prize board.
struct BrisoloTournamentPlay {
    int rounds = 0;
    int cardsPlayed = 0;
    // Points the seats of the human's table had taken when each of his hands ended (416 each).
    std::string handPoints;
    long ticks = 0; // half-second steps of the virtual clock
};

// Plays the human's seat at a Brisolo table through the driver: on his turn he clicks his first
// shown card; between rounds he presses "PROSSIMO TURNO" and "INIZIA", until the prize board opens.
class ScriptedBrisoloPlayer : public ScriptedTablePlayer {
  public:
    explicit ScriptedBrisoloPlayer(DriverProcess& driver) : ScriptedTablePlayer(driver) {}

    // From the table screen with "INIZIA" showing to the prize board. Throws DriverFailure when the
    // table stops making progress.
    BrisoloTournamentPlay playTournament();

    static constexpr long kMaxTicks = 20000;

  private:
    bool humansTurn();
    // The points of the four seats as their labels show them (first line of each).
    int seatPoints();
};

} // namespace velmora::test
