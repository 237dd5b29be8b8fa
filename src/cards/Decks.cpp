#include "cards/Decks.h"

#include "cards/RandomSequence.h"
#include "data/KeyValueStore.h"

namespace velmora {

// Not built yet.
std::vector<Card> buildUnoDeck() { return std::vector<Card>(108); }
std::vector<Card> buildFrenchDeck() { return std::vector<Card>(52); }
void shuffleDeck(std::vector<Card>& deck, bool uno, KeyValueStore& store, RandomSequence& random) {
    (void)deck;
    (void)uno;
    (void)store;
    (void)random;
}
void dealHands(const std::vector<Card>& deck, std::array<Hand, 4>& hands, int cardsEach, int& dealIndex) {
    (void)deck;
    (void)hands;
    (void)cardsEach;
    (void)dealIndex;
}

} // namespace velmora
