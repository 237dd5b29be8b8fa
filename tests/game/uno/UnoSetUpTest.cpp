#include "UnoTableTest.h"

#include "cards/Decks.h"
#include "games/uno/UnoRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace velmora::test {
namespace {

class UnoSetUp : public UnoTableTest {
  protected:
    UnoSetUp() { form->openDatabase(); }
};

std::map<std::string, int> codesOf(const std::vector<Card>& cards) {
    std::map<std::string, int> count;
    for (const Card& card : cards)
        ++count[card.code()];
    return count;
}

TEST_F(UnoSetUp, DealsTenEachTurnsUpANumberAndWaitsForInizia) {
    // Leftovers of a table that ended.
    f().handOver = 1;
    f().humanFinished = 1;
    f().playDirection = "antiorario";
    f().timer(3).setInterval(250);
    f().timer(3).setEnabled(true);
    c("Label49").visible = true;
    c("Label54").visible = true;
    c("Label48", 2).visible = true;
    c("Image9", 1).visible = true;
    c("Label38", 22).text = "Pu";
    c("Label38", 21).visible = true; // "ATTENDERE LA FINE DEL TURNO...", up when he left

    table().setUp();

    EXPECT_EQ(codesOf(f().unoDeck), codesOf(buildUnoDeck()));
    EXPECT_EQ(f().deckTop, 107);
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(c("Label40", seat).text, "10");
        EXPECT_EQ(cardsOf(seat), 10);
        for (int slot = 10; slot < kHandSlots; ++slot)
            EXPECT_TRUE(f().seatHand[seat][slot].empty());
    }
    // Consecutive blocks of ten: seat 0 takes the first ten cards of the deck in order.
    for (int slot = 0; slot < 10; ++slot)
        EXPECT_EQ(f().seatHand[0][slot], f().unoDeck[slot]);
    std::vector<Card> human(f().seatHand[3].begin(), f().seatHand[3].begin() + 10);
    EXPECT_EQ(codesOf(human), codesOf(std::vector<Card>(f().unoDeck.begin() + 30, f().unoDeck.begin() + 40)));

    EXPECT_EQ(f().discardTop, f().unoDeck[40]);
    EXPECT_TRUE(isNumberValue(f().discardTop.value));
    EXPECT_EQ(f().dealIndex, 41);
    EXPECT_EQ(f().deckReturnIndex, 0);
    EXPECT_EQ(table().cardsToDraw(), 67);
    EXPECT_EQ(c("Label43").backColor, unoColourRgb(f().discardTop.colour.str()));
    EXPECT_EQ(c("Image9", 4).picture, "\\immagini\\Uno\\" + f().discardTop.code() + ".jpg");
    EXPECT_TRUE(c("Image9", 4).visible);
    EXPECT_TRUE(c("Label43").visible);

    EXPECT_EQ(f().playDirection, "orario");
    EXPECT_EQ(c("Image13").picture, "\\immagini\\sx.gif");
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(c("Image10", seat).picture, "\\immagini\\Uno\\dietro.jpg");
        EXPECT_FALSE(c("Image9", seat).visible);
        EXPECT_FALSE(c("Label48", seat).visible);
    }
    EXPECT_FALSE(c("Label44").visible);
    EXPECT_FALSE(c("Label49").visible);
    EXPECT_FALSE(c("Label54").visible);
    EXPECT_TRUE(c("Label42").visible);
    EXPECT_TRUE(c("Picture5").visible);
    EXPECT_EQ(c("Label38", 22).text, "");
    EXPECT_FALSE(c("Label38", 21).visible) << "the waiting notice before the first card";

    EXPECT_GE(f().turnSeat, 0);
    EXPECT_LE(f().turnSeat, 3);
    EXPECT_EQ(c("Image10", 3).visible, f().turnSeat == 3);

    EXPECT_EQ(f().timer(3).interval(), 1000);
    EXPECT_EQ(f().timer(1).interval(), 500);
    EXPECT_EQ(f().timer(2).interval(), 5000);
    EXPECT_EQ(f().timer(4).interval(), 2000);
    EXPECT_FALSE(f().timer(3).enabled());
    EXPECT_FALSE(f().timer(4).enabled());
    EXPECT_EQ(f().handOver, 0);
    EXPECT_EQ(f().humanFinished, 0);
    EXPECT_EQ(f().tablePhase, 1);

    // The four players' rows follow the cards they hold.
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(f().tablePlayers[r][7].toInt(), 10);
}

TEST_F(UnoSetUp, EachTableIsDealtAfresh) {
    table().setUp();
    const std::vector<Card> first = f().unoDeck;
    table().setUp();
    EXPECT_NE(f().unoDeck, first);
    EXPECT_EQ(f().dealIndex, 41);
    EXPECT_EQ(f().unoOutOfPlay.size(), 1u);
}

class UnoScoreboard : public UnoSetUp {};

TEST_F(UnoScoreboard, ListsTwentyRowsUnderTheUnoHeader) {
    table().setUp();
    table().drawScoreboard();
    EXPECT_EQ(c("Label38", 11).text,
              "Naz  El Tav Car  Giocatore                                                     "
              "                                                  Rank  Punti");
    EXPECT_EQ(c("Label38", 11).text.size(), 140u);
    const std::string names = c("Label38", 14).text;
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 19);
    EXPECT_EQ(names.substr(0, names.find('\n')), "Luca Bianchi");
    EXPECT_EQ(c("Label38", 16).text.substr(0, 4), "900\n");
    EXPECT_EQ(c("Label38", 15).text.substr(0, 2), "2\n");
    EXPECT_EQ(c("Label38", 13).text.substr(0, 2), "1\n");
    EXPECT_EQ(c("Label38", 12).text.substr(0, 3), "10\n");
    for (int k = 0; k < 20; ++k)
        EXPECT_TRUE(c("Image15", k).visible);
    EXPECT_EQ(c("Image15", 0).picture, "\\immagini\\flags\\fr.jpg");
    for (int s = 50; s < 60; ++s)
        EXPECT_TRUE(c("Label23", s).visible);
    // Nobody has finished: no marks.
    EXPECT_EQ(c("Label38", 19).text, std::string(19, '\n'));
    EXPECT_EQ(c("Label38", 17).text, std::string(19, '\n'));
}

TEST_F(UnoScoreboard, FromWeekFiftyShowsOnlyTheEightBest) {
    f().currentWeek = 50;
    table().drawScoreboard();
    const std::string names = c("Label38", 14).text;
    EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), 7);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(c("Image15", k).visible, k < 8) << k;
    for (int s = 50; s < 60; ++s)
        EXPECT_EQ(c("Label23", s).visible, s < 54) << s;
}

TEST_F(UnoScoreboard, ADecidedTableMarksWhoGoesOnAndWhoIsOut) {
    finishSeat(0); // Bianchi
    finishSeat(1); // Verdi
    // A player out in an earlier round, no longer seated.
    EntrantRow& earlier = f().boardRows[19];
    earlier[0] = Value("Gialli");
    earlier[1] = Value("Sara");
    earlier[6] = Value(0);
    earlier[8] = Value(1);
    table().drawScoreboard();
    const std::string through = c("Label38", 19).text;
    const std::string out = c("Label38", 17).text;
    auto line = [](const std::string& text, int k) {
        size_t start = 0;
        for (int i = 0; i < k; ++i)
            start = text.find('\n', start) + 1;
        return text.substr(start, text.find('\n', start) - start);
    };
    // Board order: Bianchi, Verdi, Neri, then the human repeated.
    EXPECT_EQ(line(through, 0), "V");
    EXPECT_EQ(line(through, 1), "V");
    EXPECT_EQ(line(out, 0), "");
    // Neri and the human still hold cards at a table that is over: out, even before the round
    // closes and marks them.
    EXPECT_EQ(line(through, 2), "");
    EXPECT_EQ(line(out, 2), "X");
    EXPECT_EQ(line(out, 3), "X");
    EXPECT_EQ(line(out, 19), "X");
    EXPECT_EQ(line(through, 19), "");
    EXPECT_EQ(line(c("Label38", 12).text, 0), "0");
}

TEST_F(UnoScoreboard, CardCountsReachEveryCopyOfThePlayersRow) {
    setHand(3, {"1rosso", "2rosso", "3rosso", "4rosso"});
    setHand(2, {"9blu"});
    EXPECT_EQ(c("Label40", 3).text, "4");
    EXPECT_EQ(f().roundPlayers[0][7].toInt(), 4);
    EXPECT_EQ(f().tablePlayers[0][7].toInt(), 4);
    for (int k = 3; k < 20; ++k)
        EXPECT_EQ(f().boardRows[k][7].toInt(), 4) << k; // the human, repeated
    EXPECT_EQ(f().roundPlayers[3][7].toInt(), 1);       // Neri, seat 2
    EXPECT_EQ(f().boardRows[2][7].toInt(), 1);
}

} // namespace
} // namespace velmora::test
