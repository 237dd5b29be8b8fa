#include "games/brisolo/BrisoloRules.h"

#include <algorithm>

namespace velmora {

int BrisoloRules::cardPoints(const Card& card) {
    return card.value.isEmpty() ? 0 : static_cast<int>(card.value.toInt());
}

int BrisoloRules::manchePoints(std::span<const Card> cards) {
    int sum = 0;
    for (const Card& card : cards)
        sum += cardPoints(card);
    return sum;
}

int BrisoloRules::mancheWinner(std::span<const Card> inPlayOrder) {
    int winner = -1;
    int best = 0;
    for (size_t i = 0; i < inPlayOrder.size(); ++i) {
        const int value = cardPoints(inPlayOrder[i]);
        // ">=" taken in play order: a later equal card beats the earlier one.
        if (value > 0 && value >= best) {
            winner = static_cast<int>(i);
            best = value;
        }
    }
    return winner;
}

int BrisoloRules::winnerSeat(const std::array<Card, 4>& trickCards, int leadSeat) {
    std::array<Card, 4> inPlayOrder;
    for (int i = 0; i < 4; ++i)
        inPlayOrder[static_cast<size_t>(i)] = trickCards[static_cast<size_t>((leadSeat + i) % 4)];
    const int winner = mancheWinner(inPlayOrder);
    return winner < 0 ? -1 : (leadSeat + winner) % 4;
}

void BrisoloRules::scoreManche(BrisoloSeats& seats, int winnerSeat, int points) {
    for (BrisoloScore& seat : seats)
        --seat.cards;
    if (winnerSeat < 0 || winnerSeat > 3) return;
    BrisoloScore& winner = seats[static_cast<size_t>(winnerSeat)];
    winner.points += points;
    ++winner.manches;
    // Every seat holds the same number of cards, so the cards played so far number the manche.
    winner.lastManche = kBrisoloHandCards - winner.cards;
    winner.bestManche = std::max(winner.bestManche, points);
}

bool BrisoloRules::goesOutBefore(const BrisoloScore& a, const BrisoloScore& b) {
    if (a.points != b.points) return a.points < b.points;
    if (a.manches != b.manches) return a.manches < b.manches;
    return a.bestManche <= b.bestManche;
}

int BrisoloRules::nextOut(const BrisoloSeats& seats, const std::array<bool, 4>& alreadyOut) {
    int chosen = -1;
    for (int s = 0; s < 4; ++s) {
        if (alreadyOut[static_cast<size_t>(s)]) continue;
        if (chosen < 0 || goesOutBefore(seats[static_cast<size_t>(s)], seats[static_cast<size_t>(chosen)]))
            chosen = s;
    }
    return chosen;
}

std::array<int, 2> BrisoloRules::twoOut(const BrisoloSeats& seats) {
    std::array<bool, 4> out{};
    std::array<int, 2> chosen{};
    for (int& seat : chosen) {
        seat = nextOut(seats, out);
        out[static_cast<size_t>(seat)] = true;
    }
    return chosen;
}

int BrisoloRules::startingSeat(RandomSequence& random) {
    return static_cast<int>(random.upTo(3));
}

void BrisoloRules::packHand(Hand& hand) {
    size_t next = 0;
    for (const Card& card : Hand(hand)) {
        if (!card.value.isEmpty()) hand[next++] = card;
    }
    while (next < hand.size())
        hand[next++] = Card{Value(0), Value(0)};
}

} // namespace velmora
