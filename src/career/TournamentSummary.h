#pragma once

#include <string>

namespace velmora {

class GameContext;

// What a closed tournament earned, shown on the dashboard (Label57) once the prize board is closed:
// the fee paid, the prize won, the ranking points won and the world position before and after. It
// stays for the week that follows and goes with that week, or when the player leaves the dashboard.
class TournamentSummary {
  public:
    explicit TournamentSummary(GameContext& form) : f(form) {}

    // Before the tournament is closed: the fee and prize it settles and where he stands now.
    void begin(long fee, long prize);
    // Once its results are stored and the dashboard is redrawn: writes and shows the summary with
    // the ranking points they gave him.
    void show(long pointsWon);
    // Hides a summary whose week is over or whose dashboard was left.
    void keepForItsWeek();

  private:
    // The human's place in the world ranking as the dashboard shows it (its first position line).
    std::string worldPosition();

    GameContext& f;
    long m_fee = 0;
    long m_prize = 0;
    std::string m_positionBefore;
    int m_week = -1;
};

} // namespace velmora
