#pragma once

namespace velmora {

class GameContext;

// Keeps the career's story as it happens: a row for every week he lives (money, the dashboard's
// twelve places, his points) and one for every tournament he plays. The rows are written inside the
// week's own change, so a week that fails leaves no history behind either. The season is counted
// from the career's first week (see HistoryTables).
class CareerHistory {
  public:
    explicit CareerHistory(GameContext& form) : f(form) {}

    // A new career has lived nothing yet: no history rows, season 1.
    void startCareer();
    // The tournament of the week he has just played (form.eventRows), as its results were stored in
    // tornei this week, and the prize he was paid. Call after the world's week, before the week moves.
    // Returns the ranking points stored for him (0 without a result of his).
    long recordTournament(long prize);
    // The week he has just lived, with the money, places and points the dashboard now shows. Call
    // after the dashboard refresh of the next week; after week 52 the next season begins.
    void recordWeek(int livedWeek);

  private:
    int season();

    GameContext& f;
};

} // namespace velmora
