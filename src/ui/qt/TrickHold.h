#pragma once

#include <set>

namespace velmora {

class Control;
class Window;

// Keeps a played card readable when the table runs faster than the game's own pace: the cards the
// game takes off the seats' places stay on screen until the next card lands (or the table is dealt
// again, or left), so at speed no card a computer plays flashes by unseen. At Uno that is the card a
// seat has just put on the pile; at Hearts and Brisolo the table itself holds a taken trick on those
// places (Image23) at every pace, and then nothing more is kept here. The game's own state is not
// touched: only what the screen shows.
class TrickHold {
  public:
    // Looks at the table after an event; `factor` is the table's pace (1 = the game's own, where
    // cards come and go exactly as the game says).
    void update(Window& window, int factor);
    // Whether the screen shows this control although the game has hidden it.
    bool keeps(const Control& control) const;

    static constexpr int kTrickPlaces = 4; // Image9 items 0..3, the seats' cards

  private:
    std::set<int> m_lastShown; // the seats' cards on the table at the last look
    std::set<int> m_held;      // the cards kept on screen now
};

} // namespace velmora
