#pragma once

#include <string>

namespace velmora {

class GameContext;

// Entering and withdrawing from the week's events, and moving on to the next week. Nothing is paid
// at entry: the fee is charged with the prize once the tournament is over.
class EventEntry {
  public:
    explicit EventEntry(GameContext& form) : f(form) {}

    // Enters the event of a dashboard slot (0..3).
    void Label6_Click(int index);
    // Withdraws the entry; free, and the week's events can be entered again.
    void Label7_Click(int index);
    // Plays the world's week without the human and moves to the next week.
    void Label8_Click();
    // Moves the career one week on (52 wraps to 1), stores it and refreshes the dashboard.
    void advanceWeek();
    // Only the first half of advanceWeek: the next week is stored and becomes form.currentWeek.
    void storeNextWeek();

    static constexpr int kSlots = 4;
    static constexpr int kFirstFinalWeek = 50;

  private:
    GameContext& f;
};

} // namespace velmora
