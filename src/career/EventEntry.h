#pragma once

#include "career/CareerHistory.h"

#include <functional>
#include <string>

namespace velmora {

class GameContext;

// Entering and withdrawing from the week's events, and moving on to the next week, one week or
// several at once. Nothing is paid at entry: the fee is charged with the prize once the tournament
// is over.
class EventEntry {
  public:
    explicit EventEntry(GameContext& form) : f(form) {}

    // Enters the event of a dashboard slot (0..3).
    void Label6_Click(int index);
    // Withdraws the entry; free, and the week's events can be entered again.
    void Label7_Click(int index);
    // Plays the world's week without the human and moves to the next week; with more weeks chosen
    // in Combo16, lives on week after week (see runTick).
    void Label8_Click();
    // Moves the career one week on, stores it and refreshes the dashboard.
    void advanceWeek();
    // Only the first half of advanceWeek, and the one place the calendar moves: the next week is
    // stored and becomes form.currentWeek; after the season's last week the next season begins.
    // Returns the week just lived.
    LivedWeek storeNextWeek();
    // The end of the week he has lived, in the week's transaction: the world's week, the next week
    // stored with no event entered, the dashboard redrawn and the week's history. afterWorld runs
    // between the world's week and the move (the played tournament's own history).
    LivedWeek closeWeek(const std::function<void(CareerHistory&)>& afterWorld = {});
    // After a week is stored: its report, and the season's review when a season has just ended.
    void showWeekEnd(const LivedWeek& lived, int weeks);

    // Several weeks at once: one week per tick of the run's timer, each its own change, so the
    // window repaints and Esc is heard between two weeks.
    bool running() const { return m_weeksLeft > 0; }
    void runTick();
    // Esc or a click on the progress bar: the run stops after the week in play.
    void stopRun();
    // The choices of Combo16 for the current week.
    void fillWeekChoices();

    static constexpr int kSlots = 4;
    // The run's timer: the table watch's, idle while the dashboard is up.
    static constexpr int kRunTimer = 1;

  private:
    // One week without play, as one click of "Prossima Settimana" plays it; the last of a run
    // ends it with its report.
    void playWeek();
    bool lastOfRun(const LivedWeek& lived) const;
    // How many weeks Combo16 asks for.
    int weeksChosen();
    void finishRun(const LivedWeek& lived);
    void showProgress();

    GameContext& f;
    int m_weeksLeft = 0;
    int m_weeksDone = 0;
    int m_weeksAsked = 0;
};

} // namespace velmora
