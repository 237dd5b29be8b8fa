#include "cards/Decks.h"

#include "cards/RandomCounter.h"
#include "cards/RandomSequence.h"
#include "data/KeyValueStore.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace velmora {

namespace {

const char* const kUnoColours[] = {"rosso", "giallo", "verde", "blu"};
const char* const kUnoActions[] = {"cambiagiro", "saltaturno", "piu2"};
const char* const kSuits[] = {"picche", "cuori", "fiori", "quadri"};

// Index of the Uno card turned up to open play: the first card after four hands of ten.
constexpr int kUnoFirstCard = 40;

bool startsWithDigit(const Value& value) {
    const std::string text = value.str();
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

} // namespace

std::vector<Card> buildUnoDeck() {
    std::vector<Card> deck;
    deck.reserve(108);
    // Numbers: a colour has a single 0 but two of each of 1..9, so the 0 appears in the first pass only.
    for (int pass = 1; pass <= 2; ++pass) {
        for (int v = (pass == 1 ? 0 : 1); v <= 9; ++v) {
            for (const char* colour : kUnoColours)
                deck.push_back({Value(v), Value(colour)});
        }
    }
    for (const char* word : kUnoActions) {
        for (const char* colour : kUnoColours) {
            deck.push_back({Value(word), Value(colour)});
            deck.push_back({Value(word), Value(colour)});
        }
    }
    for (int i = 0; i < 4; ++i)
        deck.push_back({Value("cambiacolore"), Value(0)});
    for (int i = 0; i < 4; ++i)
        deck.push_back({Value("piu4"), Value(0)});
    return deck;
}

std::vector<Card> buildFrenchDeck() {
    std::vector<Card> deck;
    deck.reserve(52);
    for (const char* suit : kSuits) {
        for (int v = 2; v <= 14; ++v)
            deck.push_back({Value(v), Value(suit)});
    }
    return deck;
}

void shuffleDeck(std::vector<Card>& deck, bool uno, KeyValueStore& store, RandomSequence& random) {
    if (deck.size() < 2) throw std::invalid_argument("shuffleDeck: a deck needs at least two cards");
    advanceRandomCounter(store, random);
    const double top = static_cast<double>(deck.size() - 1); // deckTop
    const long long swaps = random.upTo(31000);
    // s + 1 swaps: even a swap count of 0 exchanges one pair.
    for (long long k = 0; k <= swaps; ++k) {
        long long a = 0;
        long long b = 0;
        do {
            a = random.upTo(top);
            b = random.upTo(top);
        } while (a == b);
        std::swap(deck[static_cast<size_t>(a)], deck[static_cast<size_t>(b)]);
    }
    if (uno && deck.size() > kUnoFirstCard && !startsWithDigit(deck[kUnoFirstCard].value)) {
        for (size_t i = kUnoFirstCard + 1; i < deck.size(); ++i) {
            if (startsWithDigit(deck[i].value)) {
                std::swap(deck[kUnoFirstCard], deck[i]);
                break;
            }
        }
    }
}

void dealHands(const std::vector<Card>& deck, std::array<Hand, 4>& hands, int cardsEach, int& dealIndex) {
    if (cardsEach < 0 || cardsEach > kHandSlots)
        throw std::invalid_argument("dealHands: too many cards per hand");
    if (dealIndex < 0 || static_cast<size_t>(dealIndex) + 4 * static_cast<size_t>(cardsEach) > deck.size()) {
        throw std::invalid_argument("dealHands: the deck has too few cards left");
    }
    for (Hand& hand : hands) {
        for (int slot = 0; slot < kHandSlots; ++slot) {
            hand[static_cast<size_t>(slot)] =
                slot < cardsEach ? deck[static_cast<size_t>(dealIndex++)] : Card{Value(0), Value(0)};
        }
    }
}

} // namespace velmora
