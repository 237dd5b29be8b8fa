#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace velmora {

class GameContext;

// What the table shows the player beyond the cards: the plate of the seat that is to move is lit,
// the row of his hand is lit while he is to play, cards the rules would refuse are dimmed, and a
// card that has just come into his hand is lifted and outlined for a moment. Once a trick (a
// manche) is taken, its four cards stay on the table with the winning card outlined and the
// winner's plate lit until the next card is led; a click on a seat's won cards shows that trick
// again. Short of a trick, the last card a seat laid (at Uno, gone to the pile) stays on its place
// until the next card lands, at every pace. Redrawn after every event; it reads the game's state
// and never changes it.
class TableCues {
  public:
    explicit TableCues(GameContext& form) : f(form) {}

    // Brings the cues up to date with the table.
    void refresh();
    // A click on the won cards of a seat (Image24): shows the last trick taken again, or puts it
    // away when it is showing.
    void Image24_Click();
    // The pointer resting on a seat's won cards calls the last trick back for as long as it stays.
    void Image24_Hover(bool over) { m_pileHovered = over; }

    // How long a card that came into the hand stays lifted, in milliseconds.
    static constexpr long long kFreshMs = 3000;
    // How far a fresh card is lifted, in twips.
    static constexpr int kLift = 180;
    // How long a trick called back by a click on the won cards stays, in milliseconds.
    static constexpr long long kRecallMs = 3000;

  private:
    void lightSeats(bool playing);
    void lightHandRow(bool humanToPlay);
    void markFreshCards(bool playing);
    // The last trick taken, over the places of the cards played, and the piles of won cards.
    void showLastTrick();
    void lightWinner();
    void clear();

    GameContext& f;
    // The seat plates' own colours, taken before the first lighting.
    bool m_platesKnown = false;
    std::array<std::uint32_t, 4> m_plateBorder{}, m_plateBack{};
    std::array<int, 27> m_handTop{};
    bool m_handTopsKnown = false;
    // The human's hand at the last refresh, card code -> copies; and the cards marked as fresh.
    std::map<std::string, int> m_lastHand;
    // The pictures on the seats' places when a card last landed there, by seat.
    std::array<std::string, 4> m_lastCards{};
    std::map<std::string, int> m_fresh;
    long long m_freshSince = 0;
    long long m_recallUntil = 0; // the trick called back shows until then (table clock)
    bool m_pileHovered = false;  // the pointer rests on a seat's won cards
};

} // namespace velmora
