#pragma once

namespace velmora {

class GameContext;

// The standings board of the round's other tables: each game's background tables advance one step
// at every tick of their timer and redraw it; the player picks the table to watch in Combo7.
class BackgroundTables {
  public:
    explicit BackgroundTables(GameContext& form) : f(form) {}

    void refreshStandings();
    void Combo7_Click();

  private:
    GameContext& f;
};

} // namespace velmora
