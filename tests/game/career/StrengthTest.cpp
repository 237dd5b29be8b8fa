// How strong a player is at each game, from his three skills.

#include "career/Strength.h"
#include "data/Rows.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

Rows skills(int uno, int hearts, int brisolo) {
    std::vector<Value> cells(13, Value(0));
    cells[6] = uno;
    cells[7] = hearts;
    cells[8] = brisolo;
    return Rows({"cognome", "nome", "nazionalita", "eta", "nazione", "continente", "uno", "hearts", "brisolo",
                 "unopunti", "heartspunti", "brisolopunti", "totalepunti"},
                cells);
}

TEST(CareerStrength, TwiceTheGamesSkillAndTwoThirdsOfEachOther) {
    // Each term is rounded on its own: two thirds of 1 count 1, of 4 count 3, of 10 count 7.
    const Rows specialist = skills(10, 1, 4);
    EXPECT_EQ(playerStrength(specialist, 0, cardGame("Uno")), 20 + 1 + 3);
    EXPECT_EQ(playerStrength(specialist, 0, cardGame("Hearts")), 2 + 7 + 3);
    EXPECT_EQ(playerStrength(specialist, 0, cardGame("Brisolo")), 8 + 1 + 7);
    EXPECT_EQ(playerStrength(skills(1, 1, 1), 0, cardGame("Hearts")), 4);
    EXPECT_EQ(playerStrength(skills(10, 10, 10), 0, cardGame("Brisolo")), 34);
}

TEST(CareerStrength, GamesAreNamedInAnyCaseAndUnknownOnesAreRefused) {
    EXPECT_EQ(&cardGame("hearts"), &cardGames()[1]);
    EXPECT_EQ(&cardGame("BRISOLO"), &cardGames()[2]);
    EXPECT_EQ(cardGame("Uno").pointsIndex, 9);
    EXPECT_STREQ(cardGame("brisolo").pointsColumn, "brisolopunti");
    EXPECT_EQ(findCardGame("Scopa"), nullptr);
    EXPECT_THROW(cardGame("Scopa"), std::runtime_error);
}

} // namespace
} // namespace velmora::test
