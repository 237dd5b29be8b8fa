#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace velmora {

class GameContext;

// What the table shows the player beyond the cards: the plate of the seat that is to move is lit,
// the row of his hand is lit while he is to play, cards the rules would refuse are dimmed, and a
// card that has just come into his hand is lifted and outlined for a moment. Redrawn after every
// event; it reads the game's state and never changes it.
class TableCues {
  public:
    explicit TableCues(GameContext& form) : f(form) {}

    // Brings the cues up to date with the table.
    void refresh();

    // How long a card that came into the hand stays lifted, in milliseconds.
    static constexpr long long kFreshMs = 3000;
    // How far a fresh card is lifted, in twips.
    static constexpr int kLift = 180;

  private:
    void lightSeats(bool playing);
    void lightHandRow(bool humanToPlay);
    void markFreshCards(bool playing);
    void clear();

    GameContext& f;
    // The seat plates' own colours, taken before the first lighting.
    bool m_platesKnown = false;
    std::array<std::uint32_t, 4> m_plateBorder{}, m_plateBack{};
    std::array<int, 27> m_handTop{};
    bool m_handTopsKnown = false;
    // The human's hand at the last refresh, card code -> copies; and the cards marked as fresh.
    std::map<std::string, int> m_lastHand;
    std::map<std::string, int> m_fresh;
    long long m_freshSince = 0;
};

} // namespace velmora
