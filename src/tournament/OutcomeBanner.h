#pragma once

#include <string>

namespace velmora {

class GameContext;

// The banner over the table (Label56) that tells the human how his own table has left him: through
// to the next round, out with the places he will share, or his place in a final. It shows once per
// table, as soon as his table is decided, and goes away after a while or at a click.
class OutcomeBanner {
  public:
    explicit OutcomeBanner(GameContext& form) : f(form) {}

    // Brought up to date after every event; it reads the table and never changes the game.
    void refresh();
    // A click on the banner puts it away.
    void Label56_Click();

    // The banner's words. verdict: 1 through, -1 out; qualifiers: players going through the round
    // (2 in a final); place: his place in a final (1 the winner), 0 otherwise.
    static std::string text(int verdict, int qualifiers, int place);

    // How long the banner stays on the table clock, in milliseconds.
    static constexpr long long kShownMs = 6000;

  private:
    void hide();

    GameContext& f;
    bool m_told = false; // the banner has been shown for the table being played
    long long m_shownAt = 0;
};

} // namespace velmora
