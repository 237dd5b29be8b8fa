#pragma once

#include "data/Rows.h"

#include <string>

namespace velmora {

class GameContext;

// The week's report (Picture11) over the dashboard: what happened since the last dashboard, read
// from the career's history. Per game and overall the points won and taken away, the net and his
// world place before and after; the week's tournaments with their winners and his own result
// (Label57); the world's news. It stays until a click on it, Enter or Esc, or the next week.
class WeekReport {
  public:
    // The panel's texts are items of Label66.
    static constexpr const char* kLabels = "Label66";
    enum Label {
        kTitle = 0,
        kGames = 1,  // the lines' captions: Generale, Uno, Hearts, Brisolo
        kWon = 2,    // 2..5: points won, taken away, the net, world place before and after
        kDropped = 3,
        kNet = 4,
        kPlaces = 5,
        kEventsCaption = 6,
        kEvents = 7,
        kNewsCaption = 8,
        kNews = 9,
        kHint = 10,
        kLastLabel = 10,
        kCatcher = 11, // under the others, over the whole panel: a click anywhere closes it
    };

    explicit WeekReport(GameContext& form) : f(form) {}

    // Shows the report of the last `weeks` weeks of the history (1 after a week); nothing before
    // the first week lived.
    void show(int weeks);
    // A click on the panel, Enter or Esc.
    void close();
    // After every event: the report goes with the dashboard (a new week brings its own).
    void keepForItsWeek();

  private:
    // His tournament's line: the round he reached and his place ("OTTAVI, 17° posto").
    static std::string roundReached(long place, long entrants);
    void showOwnTournament(const Rows& played, const Rows& weeks);

    GameContext& f;
};

} // namespace velmora
