#include "UnoTableTest.h"

#include "games/uno/UnoRules.h"
#include "tournament/HandDisplay.h"
#include "tournament/TableCues.h"
#include "tournament/TableFlow.h"

#include <map>

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using UnoHumanTurn = UnoTableTest;

TEST_F(UnoHumanTurn, ClicksThatDoNotApplyChangeNothing) {
    setHand(3, {"7rosso", "9blu"});
    auto expectIgnored = [&](int index) {
        f().tableFlow().Image11_Click(index);
        EXPECT_EQ(f().playSlot, -1);
        EXPECT_FALSE(f().timer(4).enabled());
        EXPECT_EQ(f().discardTop, unoCard("5rosso"));
        EXPECT_TRUE(f().window().enabled());
    };
    expectIgnored(1);  // 9blu does not fit 5rosso
    expectIgnored(2);  // an empty place
    expectIgnored(27); // beyond the hand
    c("Label42").visible = true;
    expectIgnored(0);
    c("Label42").visible = false;
    f().turnSeat = 0;
    expectIgnored(0);
    f().turnSeat = 3;
    f().timer(3).setEnabled(true);
    expectIgnored(0);
    f().timer(3).setEnabled(false);
    f().handOver = 1;
    expectIgnored(0);
    f().handOver = 0;
    f().tableFlow().Image11_Click(0);
    EXPECT_EQ(f().playSlot, 0);
}

TEST_F(UnoHumanTurn, ANormalCardShowsThenTakesEffectInTwoTicks) {
    setHand(3, {"0verde", "9blu"});
    setPile("0rosso");
    f().tableFlow().Image11_Click(0);
    EXPECT_TRUE(f().timer(4).enabled());
    EXPECT_EQ(f().humanPlayStep, 1);
    EXPECT_EQ(f().discardTop, unoCard("0verde"));
    EXPECT_EQ(c("Image9", 3).picture, "\\immagini\\uno\\0verde.jpg");
    EXPECT_TRUE(c("Image9", 3).visible);
    EXPECT_FALSE(c("Image10", 3).visible);
    EXPECT_EQ(cardsOf(3), 2); // the card leaves the hand when it takes effect

    tick4();
    EXPECT_FALSE(c("Image9", 3).visible);
    EXPECT_EQ(c("Image9", 4).picture, "\\immagini\\uno\\0verde.jpg");
    EXPECT_EQ(table().currentColour(), "verde");
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_EQ(cardsOf(3), 1);
    EXPECT_EQ(c("Label40", 3).text, "1");
    EXPECT_EQ(f().humanPlayStep, 2);
    EXPECT_TRUE(f().timer(4).enabled());
    EXPECT_FALSE(f().timer(3).enabled());

    tick4();
    EXPECT_FALSE(f().timer(4).enabled());
    EXPECT_TRUE(f().timer(3).enabled());
    EXPECT_EQ(f().tablePhase, 1);
    // The human's card is not written back into the deck.
    EXPECT_EQ(f().deckReturnIndex, 0);
    ASSERT_FALSE(f().unoOutOfPlay.empty());
    EXPECT_EQ(f().unoOutOfPlay.back(), unoCard("0verde"));
}

TEST_F(UnoHumanTurn, AColourNamedWithCambiacoloreDecidesWhatFollows) {
    setHand(3, {"cambiacolore", "4rosso", "4blu", "piu4"});
    f().tableFlow().Image11_Click(0);
    EXPECT_FALSE(f().timer(4).enabled());
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(c("Label48", k).visible);
    EXPECT_EQ(c("Image9", 3).picture, "\\immagini\\uno\\cambiacolore.jpg");
    // The wild card is played; no second card until its colour is named.
    f().tableFlow().Image11_Click(1);
    EXPECT_EQ(f().playSlot, 0);
    EXPECT_FALSE(f().timer(4).enabled());

    table().Label48_Click(0); // blu
    EXPECT_EQ(table().currentColour(), "blu");
    EXPECT_EQ(c("Label43").backColor, 0x1A89EEu);
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(c("Label48", k).visible);
    EXPECT_EQ(cardsOf(3), 3);
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_TRUE(f().timer(3).enabled());
    EXPECT_EQ(c("Image9", 4).picture, "\\immagini\\uno\\cambiacolore.jpg");
    // A second click on a colour button does nothing once they are hidden.
    table().Label48_Click(2);
    EXPECT_EQ(table().currentColour(), "blu");

    humanToMove();
    const int rosso = f().seatHand[3][0] == unoCard("4rosso") ? 0 : 1;
    f().tableFlow().Image11_Click(rosso);
    EXPECT_EQ(f().discardTop, unoCard("cambiacolore"));
    EXPECT_FALSE(f().timer(4).enabled());
    f().tableFlow().Image11_Click(1 - rosso);
    EXPECT_TRUE(f().timer(4).enabled());
    EXPECT_EQ(f().discardTop, unoCard("4blu"));
}

TEST_F(UnoHumanTurn, CambiacoloreAntiorarioPassesToSeatTwoAndNoTurnGoesToAFinishedSeat) {
    f().playDirection = "antiorario";
    setHand(3, {"cambiacolore", "4rosso"});
    finishSeat(2);
    f().tableFlow().Image11_Click(0);
    table().Label48_Click(3);
    EXPECT_EQ(table().currentColour(), "verde");
    EXPECT_EQ(f().turnSeat, 1);
}

TEST_F(UnoHumanTurn, Piu2MakesTheNextSeatStillPlayingDrawAndSkipsIt) {
    setHand(3, {"piu2rosso", "9blu"});
    setHand(1, {"1verde"});
    finishSeat(0);
    f().dealIndex = 60;
    f().tableFlow().Image11_Click(0);
    tick4();
    // Seat 0 has finished: seat 1 draws two and the turn moves on from 1 to 2.
    EXPECT_EQ(f().drawSeat, 1);
    EXPECT_EQ(f().turnSeat, 2);
    EXPECT_EQ(cardsOf(1), 3);
    EXPECT_EQ(f().seatHand[1][1], f().unoDeck[60]);
    EXPECT_EQ(f().seatHand[1][2], f().unoDeck[61]);
    EXPECT_EQ(f().dealIndex, 62);
    EXPECT_EQ(f().drawCount, 0);
    EXPECT_EQ(c("Label40", 1).text, "3");
    EXPECT_FALSE(f().timer(4).enabled());
    EXPECT_TRUE(f().timer(3).enabled());
    EXPECT_EQ(f().tablePhase, 1);
    EXPECT_EQ(c("Shape1").top, 9600); // the marker at seat 2
}

TEST_F(UnoHumanTurn, Piu2AntiorarioHitsSeatTwoAndPassesTheTurnToSeatOne) {
    f().playDirection = "antiorario";
    setHand(3, {"piu2rosso", "9blu"});
    f().tableFlow().Image11_Click(0);
    tick4();
    EXPECT_EQ(f().drawSeat, 2);
    EXPECT_EQ(f().turnSeat, 1);
    EXPECT_EQ(cardsOf(2), 5);
}

TEST_F(UnoHumanTurn, SaltaturnoSkipsTheNextSeatStillPlaying) {
    setHand(3, {"saltaturnorosso", "9blu"});
    f().tableFlow().Image11_Click(0);
    tick4();
    EXPECT_EQ(f().turnSeat, 1);

    // Seat 0 has finished: the skip falls on seat 1 and seat 2 plays.
    setHand(3, {"saltaturnorosso", "9blu"});
    finishSeat(0);
    humanToMove();
    f().tableFlow().Image11_Click(0);
    tick4();
    EXPECT_EQ(f().turnSeat, 2);

    // Antiorario with seat 2 finished: seat 1 is skipped and seat 0 plays.
    setHand(0, {"1verde"});
    finishSeat(2);
    setHand(3, {"saltaturnorosso", "9blu"});
    f().playDirection = "antiorario";
    humanToMove();
    f().tableFlow().Image11_Click(0);
    tick4();
    EXPECT_EQ(f().turnSeat, 0);
}

TEST_F(UnoHumanTurn, CambiagiroReversesThePlayAndTheArrow) {
    setHand(3, {"cambiagirorosso", "cambiagiroblu", "9verde"});
    f().tableFlow().Image11_Click(0);
    tick4(2);
    EXPECT_EQ(f().playDirection, "antiorario");
    EXPECT_EQ(f().turnSeat, 2);
    EXPECT_EQ(c("Image13").picture, "\\immagini\\dx.gif");

    humanToMove();
    f().tableFlow().Image11_Click(slotOf(3, "cambiagiroblu"));
    tick4(2);
    EXPECT_EQ(f().playDirection, "orario");
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_EQ(c("Image13").picture, "\\immagini\\sx.gif");
}

TEST_F(UnoHumanTurn, Piu4NamesTheColourThenTheSeatAfterTheHumanDrawsFour) {
    setHand(3, {"piu4", "9blu"});
    f().dealIndex = 100;
    f().tableFlow().Image11_Click(0);
    table().Label48_Click(2); // rosso
    EXPECT_EQ(table().currentColour(), "rosso");
    EXPECT_EQ(f().turnSeat, 1);
    EXPECT_EQ(f().humanPlayStep, 3);
    EXPECT_TRUE(f().timer(4).enabled());
    EXPECT_FALSE(f().timer(3).enabled());
    EXPECT_EQ(cardsOf(3), 1);

    tick4();
    EXPECT_EQ(f().drawSeat, 0);
    EXPECT_EQ(c("Image9", 0).picture, "\\immagini\\uno\\dietro.jpg");
    EXPECT_TRUE(c("Image9", 0).visible);
    EXPECT_EQ(cardsOf(0), 3);

    tick4();
    EXPECT_EQ(cardsOf(0), 7);
    EXPECT_EQ(f().dealIndex, 104);
    EXPECT_FALSE(c("Image9", 0).visible);
    EXPECT_FALSE(f().timer(4).enabled());
    EXPECT_TRUE(f().timer(3).enabled());
    EXPECT_EQ(f().turnSeat, 1);
}

TEST_F(UnoHumanTurn, Piu4WithTheNextSeatFinishedHitsTheOneAfterIt) {
    setHand(3, {"piu4", "9blu"});
    finishSeat(0);
    f().tableFlow().Image11_Click(0);
    table().Label48_Click(1);
    tick4(2);
    EXPECT_EQ(f().drawSeat, 1);
    EXPECT_EQ(cardsOf(1), 7);
    EXPECT_EQ(f().turnSeat, 2);
}

TEST_F(UnoHumanTurn, DrawingOneCardOffersThePassAndPassingHandsTheTurnOn) {
    setHand(3, {"9blu"});
    f().dealIndex = 41;
    const Card drawn = f().unoDeck[41];
    table().Image10_Click(0); // only the human's own pile draws
    EXPECT_EQ(cardsOf(3), 1);
    table().Image10_Click(3);
    EXPECT_EQ(cardsOf(3), 2);
    EXPECT_EQ(f().dealIndex, 42);
    EXPECT_TRUE(c("Label44").visible);
    EXPECT_FALSE(c("Image10", 3).visible);
    EXPECT_EQ(f().drewCard, 1);
    EXPECT_EQ(c("Label40", 3).text, "2");
    bool holdsDrawn = false;
    for (const Card& card : f().seatHand[3])
        holdsDrawn = holdsDrawn || card == drawn;
    EXPECT_TRUE(holdsDrawn);
    // No second draw this turn.
    table().Image10_Click(3);
    EXPECT_EQ(cardsOf(3), 2);

    table().Label44_Click();
    EXPECT_FALSE(c("Label44").visible);
    EXPECT_EQ(f().turnSeat, 0);
    EXPECT_EQ(f().drewCard, 0);
    EXPECT_EQ(f().discardTop, unoCard("5rosso"));
    EXPECT_TRUE(f().timer(3).enabled());
    EXPECT_EQ(f().tablePhase, 1);
}

TEST_F(UnoHumanTurn, AfterDrawingAndPlayingTheNextSeatStillDrawsForItself) {
    setHand(3, {"9blu"});
    f().unoDeck[41] = unoCard("5verde");
    table().Image10_Click(3);
    f().tableFlow().Image11_Click(0); // the drawn 5verde, sorted or not it is the only fitting card
    if (f().playSlot < 0) f().tableFlow().Image11_Click(1);
    ASSERT_TRUE(f().timer(4).enabled());
    tick4(2);
    EXPECT_EQ(f().drewCard, 0);
    setHand(0, {"9blu"});
    tick3();
    // Seat 0 has nothing to play and goes to draw instead of passing.
    EXPECT_EQ(f().playSlot, -1);
    EXPECT_EQ(f().tablePhase, 2);
}

TEST_F(UnoHumanTurn, ADrawSeatLeftFromAnEarlierDrawDoesNotSkipAnyone) {
    setHand(3, {"7rosso", "9blu"});
    finishSeat(0);
    f().drawSeat = 0; // seat 0 drew earlier and has finished since
    f().tableFlow().Image11_Click(0);
    tick4();
    EXPECT_EQ(f().turnSeat, 1);
}

TEST_F(UnoHumanTurn, AStartingHumanKeepsTheComputersWaitingUntilHePasses) {
    form->openDatabase();
    table().setUp();
    for (int tries = 0; tries < 40 && f().turnSeat != 3; ++tries)
        table().setUp();
    ASSERT_EQ(f().turnSeat, 3);
    EXPECT_TRUE(c("Image10", 3).visible);
    f().tableFlow().Label42_Click();
    EXPECT_FALSE(f().timer(3).enabled());
    table().Image10_Click(3);
    EXPECT_FALSE(f().timer(3).enabled());
    table().Label44_Click();
    EXPECT_TRUE(f().timer(3).enabled());
}

TEST_F(UnoHumanTurn, DrawingIntoAFullHandPlacesNothingButUsesTheCard) {
    Hand full;
    full.fill(unoCard("9blu"));
    f().seatHand[3] = full;
    table().refreshCardCounts();
    f().dealIndex = 107;
    f().deckReturnIndex = 5; // cards 107, 0..4 are still to be drawn
    const Card drawn = f().unoDeck[107];
    table().Image10_Click(3);
    EXPECT_EQ(cardsOf(3), 27);
    EXPECT_EQ(f().dealIndex, 0); // the deck wraps round
    EXPECT_EQ(f().unoOutOfPlay.back(), drawn);
}

TEST_F(UnoHumanTurn, ADryDeckTakesBackTheCardsThatLeftPlayButNotTheOneOnThePile) {
    setHand(3, {"9blu"});
    f().dealIndex = 30;
    f().deckReturnIndex = 30; // nothing left to draw
    f().unoOutOfPlay = {unoCard("3verde"), unoCard("5rosso")};
    f().pileOutOfPlay = 1; // the 5rosso is the card on the pile
    table().Image10_Click(3);
    EXPECT_EQ(cardsOf(3), 2);
    EXPECT_TRUE(f().seatHand[3][0] == unoCard("3verde") || f().seatHand[3][1] == unoCard("3verde"));
    EXPECT_EQ(f().dealIndex, 31);
    EXPECT_EQ(f().deckReturnIndex, 31);
    ASSERT_EQ(f().unoOutOfPlay.size(), 1u);
    EXPECT_EQ(f().unoOutOfPlay[0], unoCard("5rosso"));
    EXPECT_EQ(f().pileOutOfPlay, 0);

    // With nothing left anywhere the draw takes nothing rather than a card already in play.
    humanToMove();
    f().unoOutOfPlay = {unoCard("5rosso")};
    table().Image10_Click(3);
    EXPECT_EQ(cardsOf(3), 2);
    EXPECT_EQ(f().dealIndex, 31);
}

// On his turn the table dims the cards the pile refuses, and the click takes exactly the cards it
// leaves bright: both ask the same rule.
TEST_F(UnoHumanTurn, DimmedCardsAreTheCardsAClickRefuses) {
    struct Case {
        const char* pile;
        const char* colour; // the colour in force after a wild card on the pile
        std::map<std::string, bool> playable;
    };
    const Case cases[] = {
        {"5rosso",
         "",
         {{"7rosso", true},
          {"9blu", false},
          {"5verde", true},
          {"piu4", true},
          {"cambiacolore", true},
          {"piu2giallo", false}}},
        {"cambiacolore", "verde", {{"7rosso", false}, {"3verde", true}, {"piu4", true}, {"0blu", false}}},
        {"piu2blu", "", {{"piu2rosso", true}, {"4giallo", false}, {"saltaturnoblu", true}}},
        {"0giallo", "", {{"0rosso", true}, {"cambiagiroverde", false}, {"9giallo", true}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.pile);
        f().seatHand[3] = Hand{};
        int slot = 0;
        for (const auto& [code, playable] : k.playable)
            f().seatHand[3][static_cast<size_t>(slot++)] = unoCard(code);
        setPile(k.pile, k.colour);
        f().handDisplay().showUnoHand();
        f().tableCues().refresh();
        EXPECT_TRUE(c("HandRow").visible);
        int refused = -1, taken = -1;
        for (int i = 0; i < slot; ++i) {
            const std::string code = f().seatHand[3][static_cast<size_t>(i)].code();
            ASSERT_TRUE(c("Image11", i).visible);
            EXPECT_EQ(c("Image11", i).dimmed, !k.playable.at(code)) << code;
            (k.playable.at(code) ? taken : refused) = i;
        }
        EXPECT_FALSE(c("Image11", slot).dimmed) << "an empty place is not drawn at all";
        ASSERT_GE(refused, 0);
        ASSERT_GE(taken, 0);
        f().tableFlow().Image11_Click(refused);
        EXPECT_EQ(f().playSlot, -1) << "a dimmed card was played";
        f().tableFlow().Image11_Click(taken);
        EXPECT_EQ(f().playSlot, taken) << "a bright card was refused";
        // Once his card is down nothing is his to play: the row goes dark and nothing is dimmed.
        f().tableCues().refresh();
        EXPECT_FALSE(c("HandRow").visible);
        for (int i = 0; i < slot; ++i)
            EXPECT_FALSE(c("Image11", i).dimmed);
        f().playSlot = -1;
        f().timer(4).setEnabled(false);
        for (int b = 0; b < 4; ++b)
            c("Label48", b).visible = false;
    }
}

TEST_F(UnoHumanTurn, TheSeatToMoveIsLitAndACardDrawnIsMarkedUntilHePlays) {
    setHand(3, {"9blu", "8blu"});
    f().handDisplay().showUnoHand();
    std::uint32_t plain[4];
    for (int seat = 0; seat < 4; ++seat)
        plain[seat] = c("SeatPlate", seat).borderColor;
    f().tableCues().refresh();
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(c("SeatPlate", seat).borderColor == plain[seat], seat != 3) << "seat " << seat;
    // No card fits 5rosso: both are dimmed, and the draw pile is his way out.
    EXPECT_TRUE(c("Image11", 0).dimmed && c("Image11", 1).dimmed);
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(c("Image11", i).marked);
    f().deckTop = 107;
    f().unoDeck[static_cast<size_t>(f().dealIndex)] = unoCard("5giallo");
    table().Image10_Click(3);
    f().tableCues().refresh();
    const int drawn = slotOf(3, "5giallo");
    ASSERT_GE(drawn, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c("Image11", i).marked, i == drawn) << i;
        EXPECT_EQ(c("Image11", i).dimmed, i != drawn) << i;
    }
    EXPECT_LT(c("Image11", drawn).top, c("Image11", drawn == 0 ? 1 : 0).top) << "the drawn card is lifted";
    f().tableFlow().Image11_Click(drawn);
    tick4();
    f().tableCues().refresh();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(c("Image11", i).marked) << i;
    // His card has taken effect: the next seat's plate is lit, his is not, and his row is dark.
    ASSERT_NE(f().turnSeat, 3);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(c("SeatPlate", seat).borderColor == plain[seat], seat != f().turnSeat) << "seat " << seat;
    EXPECT_FALSE(c("HandRow").visible);
}

// His last card put down, he has nothing left to do: the skip is offered at once, not once the card
// has reached the pile; and the card, gone to the pile, stays on his place until the next lands.
TEST_F(UnoHumanTurn, HisLastCardBringsTheSkipAtOnceAndStaysOnHisPlace) {
    setHand(3, {"0verde"});
    setPile("0rosso");
    f().handDisplay().showUnoHand();
    click("Image11", 0);
    EXPECT_TRUE(c("Label55").visible) << "the skip waits for his card to reach the pile";
    advance(2000);
    EXPECT_FALSE(c("Image9", 3).visible);
    EXPECT_TRUE(c("Image23", 3).visible) << "his card left his place unseen";
    EXPECT_EQ(c("Image23", 3).picture, "\\immagini\\uno\\0verde.jpg");
}

} // namespace
} // namespace velmora::test
