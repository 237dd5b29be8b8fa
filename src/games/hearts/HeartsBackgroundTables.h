#pragma once

namespace velmora {

class GameContext;

// The other Hearts tables of the round, simulated whole at the pass: every tick (Timer8) reveals one
// more of their tricks.
class HeartsBackgroundTables {
  public:
    explicit HeartsBackgroundTables(GameContext& form) : f(form) {}

    void Timer8_Timer();

  private:
    void heartsTable(int table);

    GameContext& f;
};

} // namespace velmora
