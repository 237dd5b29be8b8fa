#pragma once

#include "cards/Card.h"

#include <array>
#include <vector>

namespace velmora {

class KeyValueStore;
class RandomSequence;

// The 108-card Uno deck in its fixed building order.
std::vector<Card> buildUnoDeck();
// The 52-card deck (picche, cuori, fiori, quadri; 2..14 each) in its fixed order.
std::vector<Card> buildFrenchDeck();
// Advances the random sequence by the stored counter, then shuffles the deck; an Uno deck then
// gets a number card at index 40, the first card turned up after four hands of ten.
void shuffleDeck(std::vector<Card>& deck, bool uno, KeyValueStore& store, RandomSequence& random);
// Deals cardsEach consecutive cards from dealIndex to seats 0, 1, 2, 3 in turn (slots 0..n-1) and
// empties every other slot; dealIndex ends after the last card taken.
void dealHands(const std::vector<Card>& deck, std::array<Hand, 4>& hands, int cardsEach, int& dealIndex);

} // namespace velmora
