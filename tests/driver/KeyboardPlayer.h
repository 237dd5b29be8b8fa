#pragma once

#include <string>

namespace velmora::test {

class DriverProcess;

// What a tournament played by keys alone went through, from "INIZIA" to the prize board.
struct KeyboardPlay {
    int rounds = 0;
    int cardsPlayed = 0;
    int cardsPassed = 0;  // Hearts: cards set aside with Space and passed with Enter
    int draws = 0;        // Uno: P
    int passes = 0;       // Uno: S
    int colours = 0;      // Uno: a colour named by a digit or an initial after a wild card
    int frameMoves = 0;   // arrow presses that moved the frame to another card
    int dimmedFramed = 0; // times the frame stood on a card drawn as refused
    long ticks = 0;       // half-second steps of the virtual clock
    int keysPastResult = 0; // Enter presses that acted the moment a closed round came up
};

// Plays the human's seat through the driver with the keyboard only, as a player who never touches
// the mouse: Enter for "INIZIA" and "PROSSIMO TURNO", the arrows to walk the frame over the cards
// he may play and back, Enter or Space to play the framed card; at Hearts three cards set aside
// with Space and passed with Enter; at Uno P to draw and S to pass when no card fits, and the
// colour after a wild card by its number or its initial. Looks at the screen through "get" only.
class KeyboardPlayer {
  public:
    explicit KeyboardPlayer(DriverProcess& driver) : m_driver(driver) {}

    // From the table screen with "INIZIA" showing to the prize board. Throws DriverFailure when a
    // key the game must take is refused or the table stops making progress.
    KeyboardPlay playTournament();

    static constexpr long kMaxTicks = 40000;

  private:
    void key(const std::string& name) { send("key " + name); }
    void send(const std::string& command);
    // The hand place under the focus frame, or -1.
    int framed();
    void passThreeCards(KeyboardPlay& play);
    void takeTurn(KeyboardPlay& play);
    // Right and back Left: the frame moves to another card he may play and returns.
    void walkTheFrame(int from, KeyboardPlay& play);
    std::string describe();

    DriverProcess& m_driver;
};

} // namespace velmora::test
