#include "UnoTableTest.h"

#include "games/uno/UnoCardScoring.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

UnoCardScoring on(const char* top, int nextSeatCards = 7, const std::string& colour = "") {
    const Card card = unoCard(top);
    return UnoCardScoring(card, colour.empty() ? card.colour.str() : colour, nextSeatCards);
}

TEST(UnoCardScoring, OnANumberCardTheSameValueBeatsTheSameColourWhichBeatsAWildCard) {
    const Hand hand = unoHand({"7rosso", "5verde", "piu4", "9blu"});
    const auto scores = on("5rosso").score(hand);
    // The rest of the hand weighs 20: 2 + 2 + 14 + 2, less each card's own weight.
    EXPECT_EQ(scores[0], 30 - 18);
    EXPECT_EQ(scores[1], 14 - 18);
    EXPECT_EQ(scores[2], 100 - 6);
    EXPECT_EQ(scores[3], UnoCardScoring::kUnplayable);
    EXPECT_EQ(UnoCardScoring::choose(hand, scores), 1);

    const Hand withoutValueMatch = unoHand({"7rosso", "piu4", "9blu"});
    EXPECT_EQ(UnoCardScoring::choose(withoutValueMatch, on("5rosso").score(withoutValueMatch)), 0);
    const Hand onlyWild = unoHand({"9blu", "piu4"});
    EXPECT_EQ(UnoCardScoring::choose(onlyWild, on("5rosso").score(onlyWild)), 1);
}

TEST(UnoCardScoring, OfEqualFitsANumberGoesBeforeAnActionCardAndBothBeforeAWildCard) {
    const Hand hand = unoHand({"cambiacolore", "piu2rosso", "3rosso"});
    const auto scores = on("5rosso").score(hand);
    // Weights 14 + 11 + 2 = 27: a card keeps its own weight, so costly cards are kept for later.
    EXPECT_EQ(scores[0], 100 - 13);
    EXPECT_EQ(scores[1], 30 - 16);
    EXPECT_EQ(scores[2], 30 - 25);
    EXPECT_EQ(UnoCardScoring::choose(hand, scores), 2);
    const Hand noNumber = unoHand({"cambiacolore", "piu2rosso"});
    EXPECT_EQ(UnoCardScoring::choose(noNumber, on("5rosso").score(noNumber)), 1);
}

TEST(UnoCardScoring, ANextSeatWithOneCardDrawsTwoThenFourBeforeAnyNumberIsPlayed) {
    const Hand hand = unoHand({"7verde", "5blu", "piu4", "piu2rosso", "0giallo"});
    const int w = 2 + 2 + 14 + 11; // the zero weighs nothing
    const auto scores = on("5rosso", 1).score(hand);
    EXPECT_EQ(scores[3], -19 - w);
    // 100 - 100 / 1 is exactly 0, made -1 so that the card stays playable.
    EXPECT_EQ(scores[2], 13 - w);
    EXPECT_EQ(scores[1], 16 - w);
    EXPECT_EQ(scores[0], UnoCardScoring::kUnplayable);
    EXPECT_EQ(scores[4], UnoCardScoring::kUnplayable);
    EXPECT_EQ(UnoCardScoring::choose(hand, scores), 3);

    const Hand afterPiu2 = unoHand({"7verde", "5blu", "piu4", "0giallo"});
    EXPECT_EQ(UnoCardScoring::choose(afterPiu2, on("5rosso", 1).score(afterPiu2)), 2);
}

TEST(UnoCardScoring, TheThreatOfAFinishingSeatOnlyLowersCardsThatHurtIt) {
    // Two cards left: the cuts are halved.
    const Hand hand =
        unoHand({"piu2rosso", "piu2verde", "saltaturnorosso", "cambiagirorosso", "piu4", "cambiacolore"});
    const auto two = on("5rosso", 2);
    EXPECT_EQ(two.threat(hand[0], 30), -1); // 30 - 60 / 2 is exactly 0
    EXPECT_EQ(two.threat(hand[1], 0), 0);   // not the pile's colour: no cut
    EXPECT_EQ(two.threat(hand[2], 30), 10);
    EXPECT_EQ(two.threat(hand[3], 30), 10);
    EXPECT_EQ(two.threat(hand[4], 100), 50);
    EXPECT_EQ(two.threat(hand[5], 100), 100);
    // Three cards or more, or a finished next seat counted as 0: no threat.
    EXPECT_EQ(on("5rosso", 3).threat(hand[4], 100), 100);
    EXPECT_EQ(on("5rosso", 0).threat(hand[4], 100), 100);

    // The -1 keeps a lone card of exactly 0 playable: the seat plays it instead of drawing.
    const Hand lone = unoHand({"piu2rosso"});
    const auto scores = two.score(lone);
    EXPECT_EQ(scores[0], -1);
    EXPECT_EQ(UnoCardScoring::choose(lone, scores), 0);
}

TEST(UnoCardScoring, AZeroIsMatchedOnlyByColourAndActionCardsByValueOrColour) {
    const Hand hand = unoHand({"0verde", "0rosso", "4rosso", "4verde"});
    const auto scores = on("0rosso").score(hand);
    EXPECT_EQ(scores[0], UnoCardScoring::kUnplayable);
    EXPECT_EQ(scores[1], 30 - 4);
    EXPECT_EQ(scores[2], 30 - 2);
    EXPECT_EQ(scores[3], UnoCardScoring::kUnplayable);
    const Hand greens = unoHand({"0verde", "4verde"});
    EXPECT_EQ(UnoCardScoring::choose(greens, on("0rosso").score(greens)), -1);

    const auto onAction = on("saltaturnoblu");
    EXPECT_EQ(onAction.fit(unoCard("saltaturnoverde")), 6);
    EXPECT_EQ(onAction.fit(unoCard("saltaturnoblu")), 6); // same card: the value counts, not the colour
    EXPECT_EQ(onAction.fit(unoCard("3blu")), 30);
    EXPECT_EQ(onAction.fit(unoCard("piu4")), 100);
    EXPECT_EQ(onAction.fit(unoCard("3verde")), 0);
}

TEST(UnoCardScoring, OnAWildCardOnlyTheColourInForceCountsAndWildCardsStayCandidates) {
    const Hand hand = unoHand({"4rosso", "cambiacolore", "4verde", "piu4"});
    const auto scores = on("cambiacolore", 7, "verde").score(hand);
    EXPECT_EQ(scores[0], UnoCardScoring::kUnplayable);
    EXPECT_EQ(scores[1], 0 - 18);
    EXPECT_EQ(scores[2], 30 - 30);
    EXPECT_EQ(scores[3], 0 - 18);
    // Equal scores: the lower place wins.
    EXPECT_EQ(UnoCardScoring::choose(hand, scores), 1);
    const Hand reds = unoHand({"4rosso", "9rosso"});
    EXPECT_EQ(UnoCardScoring::choose(reds, on("piu4", 7, "verde").score(reds)), -1);
    EXPECT_EQ(on("piu4", 7, "giallo").fit(unoCard("piu4")), 0);
}

TEST(UnoCardScoring, EqualScoresGoToTheLowerPlaceAndEmptyPlacesAreNeverChosen) {
    Hand hand = unoHand({"3rosso", "4rosso"});
    EXPECT_EQ(UnoCardScoring::choose(hand, on("5rosso").score(hand)), 0);
    hand = unoHand({"4rosso", "3rosso"});
    EXPECT_EQ(UnoCardScoring::choose(hand, on("5rosso").score(hand)), 0);
    const Hand empty{};
    EXPECT_EQ(UnoCardScoring::choose(empty, on("5rosso").score(empty)), -1);
    // A gap before the cards does not count as a card.
    Hand gap = unoHand({"9blu", "4rosso"});
    gap[0] = Card{};
    EXPECT_EQ(UnoCardScoring::choose(gap, on("5rosso").score(gap)), 1);
}

TEST(UnoCardScoring, TheColourNamedIsTheOneMostHeldWithGialloVerdeBluRossoOnTies) {
    EXPECT_EQ(UnoCardScoring::chooseColour(unoHand({"piu4", "cambiacolore", "0rosso", "0blu"})), "giallo");
    EXPECT_EQ(UnoCardScoring::chooseColour(unoHand({"1verde", "2blu", "piu4"})), "verde");
    EXPECT_EQ(UnoCardScoring::chooseColour(unoHand({"1rosso", "2blu", "piu4"})), "blu");
    EXPECT_EQ(UnoCardScoring::chooseColour(unoHand({"1rosso", "2rosso", "2blu", "0blu", "0blu"})), "rosso");
    EXPECT_EQ(UnoCardScoring::chooseColour(unoHand({"piu2giallo", "1verde", "saltaturnogiallo", "3verde"})),
              "giallo");
    EXPECT_EQ(UnoCardScoring::chooseColour(Hand{}), "giallo");
}

} // namespace
} // namespace velmora::test
