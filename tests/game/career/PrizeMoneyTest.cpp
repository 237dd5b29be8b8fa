// Closing a played tournament from the prize board: fee and prize in one step, the week's results
// for every entrant, and the next week.

#include "CareerWorld.h"

#include "career/PrizeMoney.h"
#include "data/Quoting.h"

#include <string>

namespace velmora::test {
namespace {

class PrizeMoneyTest : public CareerTest {
  protected:
    void SetUp() override { openWorld(); }

    // The human has just played the tournament and finished in the place group; the board is open.
    void finish(const std::string& tournament, int placeGroup) {
        form->temp().setText("evento", tournament);
        loadCareer();
        form->eventRows =
            form->db().query("SELECT * FROM calendario where  torneo='" + fApici(tournament) + "' ");
        clearEntrantTable(form->roundPlayers);
        form->roundPlayers[0][0] = Value(form->playerSurname);
        form->roundPlayers[0][1] = Value(form->playerFirstName);
        form->roundPlayers[0][9] = Value(placeGroup);
        c("Picture5").visible = true;
        c("Picture7").visible = true;
        ASSERT_TRUE(form->window().dispatch([this] { form->prizeMoney().Label50_Click(); }));
        ASSERT_TRUE(platform.takeMessages().empty());
    }
    Rows humanResult(const std::string& tournament) {
        return form->db().query("SELECT posizione, punti, premio FROM tornei where torneo='" +
                                fApici(tournament) + "' and cognome='Rossi'and nome='Mario'");
    }
};

// Out in the first round of a 64-player event: 32 went through, so he is 33rd, and is paid what
// the 33-64 tier pays, the same place the results record.
TEST_F(PrizeMoneyTest, AFirstRoundLoserIsPaidForThePlaceTheResultsRecord) {
    finish("Open di Milano", 32); // level 2, fee 500; 33-64 pays 280 euro and 5 points
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000 - 500 + 280);
    EXPECT_EQ(form->playerMoney, 20000 - 500 + 280);
    Rows result = humanResult("Open di Milano");
    ASSERT_EQ(result.rowCount(), 1);
    EXPECT_EQ(result.at(0, 0).toInt(), 33);
    EXPECT_EQ(result.at(1, 0).toInt(), 5);
    EXPECT_EQ(result.at(2, 0).toInt(), 280);

    // The career moves on with nothing entered.
    EXPECT_EQ(form->temp().number("settimana"), 2);
    EXPECT_EQ(form->temp().text("evento"), "0");
    EXPECT_EQ(form->enteredEvent, "0");
    EXPECT_FALSE(c("Picture7").visible);
    EXPECT_FALSE(c("Picture5").visible);
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(form->window().enabled());
    expectPointsMatchResults();
}

TEST_F(PrizeMoneyTest, TheWinnerIsPaidTheTopPrizeAndTheFeeOnce) {
    finish("Masters di Saint-Vincent", 1); // level 3, fee 1500, first prize 30000
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000 - 1500 + 30000);
    Rows result = humanResult("Masters di Saint-Vincent");
    ASSERT_EQ(result.rowCount(), 1);
    EXPECT_EQ(result.at(0, 0).toInt(), 1);
    EXPECT_EQ(result.at(1, 0).toInt(), 500);
    EXPECT_EQ(form->db().query("SELECT totalepunti FROM giocatori where uno=0").at(0, 0).toInt(), 500);
}

TEST_F(PrizeMoneyTest, OutsideEveryTierPaysNothingButChargesTheFee) {
    // Level 2 pays down to place 128; a place group of 128 records place 129.
    finish("Open di Milano", 128);
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000 - 500);
    Rows result = humanResult("Open di Milano");
    ASSERT_EQ(result.rowCount(), 1);
    EXPECT_EQ(result.at(0, 0).toInt(), 129);
    EXPECT_EQ(result.at(1, 0).toInt(), 0);
    EXPECT_EQ(result.at(2, 0).toInt(), 0);
}

TEST_F(PrizeMoneyTest, MoneyMayGoBelowZero) {
    form->temp().setNumber("tuodenaro", 100);
    finish("Masters di Saint-Vincent", 64); // 65th: 300 euro against a 1500 fee
    EXPECT_EQ(form->temp().number("tuodenaro"), 100 - 1500 + 300);
}

} // namespace
} // namespace velmora::test
