#pragma once

namespace velmora {

class GameContext;

// "Salta al risultato": once the human has nothing left to do in the round (his hand is played out,
// or his table is over and the other tables are still finishing) the rest of the round is played at
// once, tick by tick in the very order the clock would have given, and the closed round is shown
// exactly as waiting would have shown it.
class RoundSkip {
  public:
    explicit RoundSkip(GameContext& form) : f(form) {}

    // Whether the button can act now.
    bool available();
    // Shows the button only while it can act; run after every event.
    void refresh();
    // The button: plays the round on to its close.
    void Label55_Click();

    // Ticks a skip delivers at most: far more than any round needs, so a table that never ends
    // cannot hang the window; the clock then simply goes on as before.
    static constexpr int kMaxTicks = 2000000;

  private:
    GameContext& f;
};

} // namespace velmora
