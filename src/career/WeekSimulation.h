#pragma once

#include <string>

namespace velmora {

class GameContext;

// The world's week: every tournament of the week gets its results and the rankings roll on.
// The week is form.currentWeek; the tournament named by form.enteredEvent is the one the human
// played (its field and places are in form.roundPlayers), every other one is simulated. Runs
// inside the caller's transaction.
class WeekSimulation {
  public:
    explicit WeekSimulation(GameContext& form) : f(form) {}

    void run();

    // Width in twips of the progress bar once every player has been written.
    static constexpr int kProgressBarWidth = 8900;

  private:
    void loadPlayers(const std::string& firstGame);
    void markPlayedEntrantsBusy();
    void writeBack();

    GameContext& f;
};

} // namespace velmora
