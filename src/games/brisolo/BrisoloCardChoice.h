#pragma once

#include "cards/Card.h"
#include "cards/RandomSequence.h"

#include <array>
#include <span>

namespace velmora {

// How a Brisolo computer seat picks the card it plays. The seat looks at the first 13 places of
// its hand (the table packs the hands after every manche), at the cards already down in the
// manche and at how many cards each seat held when the manche began.
//
// Leading the manche it mostly plays its lowest card, keeping its strength for later; about one
// time in twelve it plays a random card, and about as often a middling one.
// Second or third it mostly tries to take the manche with the card that clears the highest one
// down by the least, and now and then with a card picked at random among those that reach it;
// the rest of the time, more often when its hand is poor and late in the hand, it throws its
// lowest card.
// Last it knows whether it can win: with nothing that reaches the highest card it throws its
// lowest; otherwise it plays its highest, except that a manche worth less than 25 points is not
// worth the seat's top card when it holds five or more winners, so it takes it with its third,
// fourth or fifth lowest card (which may fall short); and now and then it plays a card picked
// at random with a bias to high ones.
//
// Every chance comes from the game's one random sequence, drawn in the order the rules below
// take them; a rule that ends without a card starts the whole decision again with fresh draws.
class BrisoloCardChoice {
  public:
    // Places of the hand the seat chooses among.
    static constexpr int kSlots = 13;
    // A decision that ends without a card this many times in a row plays the lowest card.
    static constexpr int kMaxDecisions = 1000;
    // A "draw until" loop gives up after this many tries and its rule ends without a card.
    static constexpr int kMaxTries = 1000;

    // hand: the seat's hand, its cards in places 0..12; cardsDown: the cards already down in this
    // manche (empty places are skipped, so the table's trickCards may be given whole; the order
    // does not matter); cardsLeft: the cards every seat held when this manche began, 13..1 (the
    // "Ca" of the first row of the table).
    BrisoloCardChoice(const Hand& hand, std::span<const Card> cardsDown, int cardsLeft);

    // The place of the hand to play. Always a place holding a card; -1 only for an empty hand.
    int choose(RandomSequence& random) const;

    // Cards already down in the manche, 0..3.
    int onTable() const { return m_onTable; }
    // The highest value down; -1 while the manche is still to be led.
    int high() const { return m_high; }
    // The manche's points so far.
    int manchePoints() const { return m_manchePoints; }

    // The first place holding the lowest value; -1 when the places are empty.
    int lowestSlot() const;
    // The first place holding the highest value; -1 when the places are empty.
    int highestSlot() const;
    // The card whose value is above the highest card down by the least (the first of equals);
    // -1 when no card is above it.
    int closestAboveSlot() const;
    // How many of the other 13 places hold a lower value; empty places count as lower.
    int rank(int slot) const;
    // How many cards of the hand are worth no more than the card in `slot`, itself included.
    int cardsAtMost(int slot) const;
    // How many cards reach the highest card down (value at least as high).
    int cardsReaching() const;
    // The bar a draw out of 100 must stay under for a second or third seat to go for the manche:
    // the hand's average value plus half the cards left plus 82, at most 100.
    int takeBar() const;

  private:
    // One decision; -1 when a rule ends without a card.
    int decide(RandomSequence& random) const;
    int lead(RandomSequence& random) const;
    int middle(RandomSequence& random) const;
    int last(RandomSequence& random) const;
    // Passes in which every card reaching the highest card down becomes the pick on a draw below
    // 3 out of 10; -1 when 100 passes pick nothing.
    int randomReachingCard(RandomSequence& random) const;
    // Scans in which a card above the running pick becomes the pick on a draw of 41 or more out
    // of 100; -1 when no scan picks anything.
    int randomRisingCard(RandomSequence& random) const;
    // The first card with exactly 3, 4 or 5 cards at most its value (target drawn, redrawn up to
    // 20 times); -1 when no draw matches.
    int cheapWinner(RandomSequence& random) const;

    bool holds(int slot) const { return m_values[static_cast<size_t>(slot)] > 0; }
    int value(int slot) const { return m_values[static_cast<size_t>(slot)]; }

    std::array<int, kSlots> m_values{}; // 0 = an empty place
    int m_cards = 0;
    int m_onTable = 0;
    int m_high = -1;
    int m_manchePoints = 0;
    int m_cardsLeft = 0;
    // The first place of the whole hand holding a card: what a hand with nothing in its first 13
    // places plays.
    int m_firstCard = -1;
};

} // namespace velmora
