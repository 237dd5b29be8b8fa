#include "UnoTableTest.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using UnoComputerSeat = UnoTableTest;

TEST_F(UnoComputerSeat, APlayTakesThreeTicksAndTheCardGoesBackIntoTheDeck) {
    setHand(0, {"9blu", "7rosso"});
    computerToMove(0);
    tick3();
    EXPECT_EQ(f().tablePhase, 2);
    EXPECT_EQ(f().playSlot, 1);
    EXPECT_EQ(f().workHand[1].card, unoCard("7rosso"));
    EXPECT_EQ(f().workHand[1].score, 30 - 2);
    EXPECT_EQ(f().workHand[0].score, -2000);

    tick3();
    EXPECT_EQ(f().tablePhase, 3);
    EXPECT_EQ(c("Image9", 0).picture, "\\immagini\\Uno\\7rosso.jpg");
    EXPECT_TRUE(c("Image9", 0).visible);
    EXPECT_EQ(f().unoDeck[0], unoCard("7rosso"));
    EXPECT_EQ(f().deckReturnIndex, 1);
    EXPECT_EQ(f().discardTop, unoCard("5rosso")); // not yet on the pile

    tick3();
    EXPECT_EQ(f().tablePhase, 1);
    EXPECT_FALSE(c("Image9", 0).visible);
    EXPECT_EQ(c("Image9", 4).picture, "\\immagini\\Uno\\7rosso.jpg");
    EXPECT_EQ(f().discardTop, unoCard("7rosso"));
    EXPECT_EQ(f().seatHand[0][0], unoCard("9blu"));
    EXPECT_TRUE(f().seatHand[0][1].empty());
    EXPECT_EQ(c("Label40", 0).text, "1");
    EXPECT_EQ(f().turnSeat, 1);
    EXPECT_TRUE(f().timer(3).enabled());
}

TEST_F(UnoComputerSeat, TheDeckReturnPlaceWrapsAfterTheLastCard) {
    setHand(1, {"7rosso"});
    f().deckReturnIndex = 107;
    computerToMove(1);
    tick3(2);
    EXPECT_EQ(f().unoDeck[107], unoCard("7rosso"));
    EXPECT_EQ(f().deckReturnIndex, 0);
}

TEST_F(UnoComputerSeat, Piu2TakesAFourthTickInWhichTheSeatInBetweenDraws) {
    setHand(0, {"piu2rosso", "1blu"});
    f().dealIndex = 50;
    computerToMove(0);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 2);
    EXPECT_EQ(f().drawSeat, 1);
    EXPECT_EQ(f().drawCount, 2);
    EXPECT_EQ(f().tablePhase, 4);
    tick3();
    EXPECT_EQ(cardsOf(1), 5);
    EXPECT_EQ(f().dealIndex, 52);
    EXPECT_EQ(f().drawCount, 0);
    EXPECT_EQ(f().tablePhase, 1);
    EXPECT_EQ(c("Image9", 1).picture, "\\immagini\\Uno\\dietro.jpg");
    EXPECT_EQ(f().turnSeat, 2);
}

// The seat in between takes its two or four cards as a penalty, not as a draw of its own: the seat
// after it, with nothing that fits, still draws its one card, and passes only if that does not fit.
TEST_F(UnoComputerSeat, TheSeatAfterAPenaltyWithNothingToPlayDrawsItsOneCardThenPasses) {
    for (const char* penalty : {"piu2rosso", "piu4"}) {
        SCOPED_TRACE(penalty);
        setPile("5rosso");
        setHand(0, {penalty, "1blu"});
        setHand(1, {"9verde"});
        setHand(2, {"3giallo", "7verde"});
        f().drewCard = 0;
        f().dealIndex = 40;
        f().unoDeck[44] = unoCard("8giallo"); // after two or four penalty cards, seat 2's draw
        f().unoDeck[42] = unoCard("8giallo");
        computerToMove(0);
        tick3(4); // play, and the penalty drawn by seat 1
        ASSERT_EQ(f().turnSeat, 2);
        const int penaltyDealt = f().dealIndex;
        EXPECT_EQ(cardsOf(1), 1 + penaltyDealt - 40);
        tick3(); // seat 2 finds nothing to play
        EXPECT_EQ(f().tablePhase, 2) << "seat 2 passed without drawing";
        tick3(2); // the card back shown, the card drawn
        EXPECT_EQ(cardsOf(2), 3);
        EXPECT_EQ(f().dealIndex, penaltyDealt + 1);
        EXPECT_EQ(f().turnSeat, 2);
        tick3(); // the 8 giallo does not fit either: now it passes, to the human
        EXPECT_EQ(cardsOf(2), 3);
        EXPECT_EQ(f().turnSeat, 3);
        EXPECT_FALSE(f().timer(3).enabled());
    }
}

TEST_F(UnoComputerSeat, Piu2PastAFinishedSeatHitsTheHumanAndThenHandsHimTheTurn) {
    // Seat 2 plays into seat 3 antiorario... here seat 1 plays orario with seat 2 finished.
    setHand(1, {"piu2rosso", "1blu"});
    finishSeat(2);
    computerToMove(1);
    tick3(3);
    EXPECT_EQ(f().drawSeat, 3);
    EXPECT_EQ(f().turnSeat, 0);
    tick3();
    EXPECT_EQ(cardsOf(3), 5);
    EXPECT_TRUE(f().timer(3).enabled()); // the turn is seat 0's, not the human's
}

TEST_F(UnoComputerSeat, Piu4NamesTheColourMostHeldBeforeThePlay) {
    setHand(2, {"piu4", "3verde", "4verde", "1blu"});
    f().playDirection = "antiorario";
    computerToMove(2);
    tick3(3);
    EXPECT_EQ(table().currentColour(), "verde");
    EXPECT_EQ(f().discardTop, unoCard("piu4"));
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_EQ(f().drawSeat, 1);
    tick3();
    EXPECT_EQ(cardsOf(1), 7);
    EXPECT_EQ(table().currentColour(), "verde");
}

TEST_F(UnoComputerSeat, CambiacoloreNamesGialloWhenOnlyWildCardsAndZerosAreLeft) {
    setHand(0, {"cambiacolore", "0blu", "piu4"});
    setPile("5verde");
    computerToMove(0);
    tick3(3);
    EXPECT_EQ(f().discardTop, unoCard("cambiacolore"));
    EXPECT_EQ(table().currentColour(), "giallo");
    EXPECT_EQ(f().turnSeat, 1);
    EXPECT_EQ(f().tablePhase, 1);
}

TEST_F(UnoComputerSeat, ASeatThatCannotPlayDrawsOnceThenPlaysOrPasses) {
    setHand(1, {"9blu"});
    f().unoDeck[60] = unoCard("2verde");
    f().unoDeck[61] = unoCard("5giallo");
    f().dealIndex = 60;
    computerToMove(1);
    tick3();
    EXPECT_EQ(f().playSlot, -1);
    EXPECT_EQ(f().tablePhase, 2);
    tick3();
    EXPECT_EQ(f().drawSeat, 1);
    EXPECT_EQ(f().drawCount, 1);
    EXPECT_EQ(f().tablePhase, 4);
    tick3();
    EXPECT_EQ(cardsOf(1), 2);
    EXPECT_EQ(f().drewCard, 1);
    EXPECT_EQ(c("Image9", 1).picture, "\\immagini\\Uno\\dietro.jpg");
    EXPECT_TRUE(c("Image9", 1).visible);
    // The 2verde does not fit either: the seat passes without drawing again.
    tick3();
    EXPECT_EQ(cardsOf(1), 2);
    EXPECT_EQ(f().dealIndex, 61);
    EXPECT_EQ(f().drewCard, 0);
    EXPECT_EQ(f().turnSeat, 2);
    EXPECT_EQ(f().tablePhase, 1);

    // Seat 2 draws the 5giallo and plays it at once.
    setHand(2, {"9blu"});
    tick3(3);
    EXPECT_EQ(cardsOf(2), 2);
    tick3(3);
    EXPECT_EQ(f().discardTop, unoCard("5giallo"));
    EXPECT_EQ(cardsOf(2), 1);
}

TEST_F(UnoComputerSeat, SaltaturnoSkipsOneSeatStillPlaying) {
    setHand(0, {"saltaturnorosso", "1blu"});
    computerToMove(0);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 2);

    // From seat 2 with the human finished the skip falls on seat 0 and seat 1 plays.
    setHand(2, {"saltaturnorosso", "1blu"});
    finishSeat(3);
    computerToMove(2);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 1);

    // Antiorario from seat 1 with seat 0 finished: the human is skipped and seat 2 plays.
    setHand(3, {"1verde"});
    finishSeat(0);
    setHand(1, {"saltaturnorosso", "1blu"});
    f().playDirection = "antiorario";
    computerToMove(1);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 2);
}

TEST_F(UnoComputerSeat, CambiagiroReversesThePlayAndTheArrow) {
    setHand(1, {"cambiagirorosso", "1blu"});
    computerToMove(1);
    tick3(3);
    EXPECT_EQ(f().playDirection, "antiorario");
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_EQ(c("Image13").picture, "\\immagini\\dx.gif");
}

TEST_F(UnoComputerSeat, TheTurnReachingTheHumanStopsTheComputers) {
    setHand(2, {"7rosso", "1blu"});
    c("Label44").visible = true;
    c("Image10", 3).visible = false;
    computerToMove(2);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 3);
    EXPECT_FALSE(f().timer(3).enabled());
    EXPECT_TRUE(c("Image10", 3).visible);
    EXPECT_FALSE(c("Label44").visible);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_FALSE(c("Image9", seat).visible);
    EXPECT_TRUE(f().window().enabled());
}

TEST_F(UnoComputerSeat, TheSeatAfterAFinishedOneIsTheThreatWatched) {
    setHand(0, {"piu2rosso", "3rosso"});
    finishSeat(1);
    setHand(2, {"8giallo"});
    computerToMove(0);
    tick3();
    // Seat 2 holds one card: the piu2 (30 - 60 - 2) goes before the 3rosso (30 - 11).
    EXPECT_EQ(f().playSlot, 0);
    EXPECT_EQ(f().workHand[0].score, -32);
    EXPECT_EQ(f().workHand[1].score, 19);
}

TEST_F(UnoComputerSeat, ADrawSeatLeftFromAnEarlierDrawDoesNotSkipAnyone) {
    setHand(1, {"7rosso", "1blu"});
    finishSeat(2);
    f().drawSeat = 2;
    computerToMove(1);
    tick3(3);
    EXPECT_EQ(f().turnSeat, 3);
}

TEST_F(UnoComputerSeat, NothingMovesOnceTwoSeatsHaveFinished) {
    finishSeat(0);
    finishSeat(1);
    computerToMove(2);
    f().handOver = 1;
    const Hand before = f().seatHand[2];
    tick3();
    EXPECT_FALSE(f().timer(3).enabled());
    EXPECT_EQ(f().tablePhase, 1);
    EXPECT_EQ(f().seatHand[2], before);
}

TEST_F(UnoComputerSeat, ASeatEmptyingItsHandIsPlacedByTheMoveItself) {
    // In the final the order of emptying hands gives the places.
    f().qualifierCount = 2;
    setHand(0, {"7rosso"});
    computerToMove(0);
    tick3(3);
    EXPECT_EQ(c("Label40", 0).text, "0");
    EXPECT_EQ(f().tablePlayers[1][9].toInt(), 1); // Bianchi, seat 0
    EXPECT_EQ(f().handOver, 0);

    setHand(1, {"7verde"});
    computerToMove(1);
    tick3(3);
    EXPECT_EQ(f().tablePlayers[2][9].toInt(), 2); // Verdi, seat 1
    EXPECT_EQ(f().handOver, 1);
    EXPECT_FALSE(f().timer(3).enabled());
}

TEST_F(UnoComputerSeat, TheHumanIsNotOfferedTheDrawPileOnceTheTableIsOver) {
    // Seat 1 has finished; seat 2 empties its hand and the turn would pass to the human.
    finishSeat(1);
    setHand(2, {"7rosso"});
    c("Image10", 3).visible = false;
    computerToMove(2);
    tick3(3);
    EXPECT_EQ(f().handOver, 1);
    EXPECT_FALSE(c("Image10", 3).visible);
    EXPECT_FALSE(f().timer(3).enabled());
    EXPECT_FALSE(f().timer(4).enabled());
}

} // namespace
} // namespace velmora::test
