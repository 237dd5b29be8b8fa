#pragma once

#include "state/CareerState.h"

#include <array>
#include <string>

namespace velmora {

class GameContext;

// A week of the career once it is over: the season it belonged to (1 for the career's first) and
// its number in that season.
struct LivedWeek {
    int season = 1;
    int week = 1;
};

// What the history needs of the world as it stood before the world's week: the points of his that
// the week takes away (last season's results at this week's events, per game: Uno, Hearts,
// Brisolo) and the world around him as the dashboard counted it.
struct WeekStart {
    std::array<long, 3> dropped{};
    WorldGlance glance;
    int worldPlace = 0; // overall, 0 when not ranked
};

// Keeps the career's story as it happens: a row for every week he lives (money, the dashboard's
// twelve places, his points, what the week took away and the world's news), one for every
// tournament he plays and one for every table he sits at, and the champions of the season finals.
// The rows are written inside the week's own change, so a week that fails leaves no history behind
// either. The season is counted from the career's first week (see HistoryTables).
class CareerHistory {
  public:
    explicit CareerHistory(GameContext& form) : f(form) {}

    // A new career has lived nothing yet: no history rows, season 1.
    void startCareer();
    // Before the world's week: his points that the week's events take away, and the world as the
    // dashboard counted it.
    WeekStart beforeWorld();
    // The tournament of the week he has just played (form.eventRows), as its results were stored in
    // tornei this week, the prize he was paid and the tables he sat at. Call after the world's week,
    // before the week moves. Returns the ranking points stored for him (0 without a result of his).
    long recordTournament(long prize);
    // The week he has just lived, with the money, places and points the dashboard now shows. Call
    // after the dashboard refresh of the next week.
    void recordWeek(const LivedWeek& lived, const WeekStart& start);
    // Once a round of the running tournament has closed: keeps his table of that round in memory,
    // to be stored with the tournament's results.
    void rememberClosedRound();
    // The season now being lived, as the store counts it.
    int season();

  private:
    void recordTables(const std::string& event, const std::string& game);
    // The news of the world between two glances: a new number 1, the players he passed and who
    // passed him (the two nearest his place each way), one per line.
    static std::string worldNews(const WorldGlance& before, const WorldGlance& after);

    GameContext& f;
};

} // namespace velmora
