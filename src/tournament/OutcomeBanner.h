#pragma once

#include <string>

namespace velmora {

class GameContext;

// The banner over the table (Label56) that tells the human how his own table has left him: through
// to the next round, out with the places he will share, or his place in a final. It shows once per
// table, as soon as his table is decided, and stays until a click on it or until "PROSSIMO TURNO"
// lays out the next table or opens the prize board.
class OutcomeBanner {
  public:
    explicit OutcomeBanner(GameContext& form) : f(form) {}

    // Brought up to date after every event; it reads the table and never changes the game.
    void refresh();
    // A click on the banner puts it away.
    void Label56_Click();

    // The banner's words. verdict: 1 through, -1 out (at the place stored for him); qualifiers:
    // players going through the round (2 in a final); place: his place in a final (1 the winner),
    // 0 otherwise.
    static std::string text(int verdict, int qualifiers, int place);
    // The sound the banner comes up with, for the same verdict, qualifiers and place.
    static std::string sound(int verdict, int qualifiers, int place);

  private:
    void hide();

    GameContext& f;
    bool m_told = false; // the banner has been shown for the table being played
};

} // namespace velmora
