// One harness for every game: seeded whole rounds played headless through the table frame and the
// window, as a plain player would play them. The human sets aside his first cards when a pass is
// offered, plays the first card the rules allow when it is his turn, and otherwise draws and
// passes; the game's own timers move everybody else. After every step the same invariants must
// hold whatever the game.

#include "cards/Decks.h"
#include "state/CardGame.h"
#include "support/GameTest.h"
#include "tournament/GameTable.h"

#include "TableRound.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr int kTables = 2;
constexpr int kSeeds = 12;
constexpr long long kStepMs = 250;
constexpr int kMaxSteps = 20000;

class WholeTable : public GameTest, public ::testing::WithParamInterface<std::string> {
  protected:
    WholeTable() {
        form->openDatabase();
        form->db().execute("PRAGMA synchronous = OFF");
        form->currentGame = GetParam();
        form->currentWeek = 1;
        for (const Card& card : GetParam() == "Uno" ? buildUnoDeck() : buildFrenchDeck())
            ++m_copies[card.code()];
    }

    GameTable& game() { return *form->gameTable(); }

    void expectInvariants(const std::string& where) {
        ASSERT_TRUE(form->window().enabled()) << where;
        // No card is in two hands, or in more copies than the deck holds.
        std::map<std::string, int> held;
        for (const Hand& hand : form->seatHand) {
            for (const Card& card : hand) {
                if (!card.empty() && !card.value.isEmpty()) ++held[card.code()];
            }
        }
        for (const auto& [code, count] : held) {
            ASSERT_LE(count, m_copies[code]) << where << ": " << code << " held " << count << " times";
        }
        // The scoreboard rows and the round's rows tell the same story as the tables.
        for (int r = 0; r < 4 * kTables; ++r) {
            const EntrantRow& seated = form->tablePlayers[static_cast<size_t>(r)];
            const int round = findEntrant(form->roundPlayers, seated[entrant::kSurname].str(),
                                          seated[entrant::kFirstName].str());
            ASSERT_GE(round, 0) << where;
            const EntrantRow& mirrored = form->roundPlayers[static_cast<size_t>(round)];
            for (int column : {entrant::kCards, entrant::kOut}) {
                ASSERT_EQ(mirrored[static_cast<size_t>(column)].num(),
                          seated[static_cast<size_t>(column)].num())
                    << where << ": column " << column << " of " << seated[entrant::kSurname].str();
            }
        }
        for (const EntrantRow& board : form->boardRows) {
            const int round = findEntrant(form->roundPlayers, board[entrant::kSurname].str(),
                                          board[entrant::kFirstName].str());
            ASSERT_GE(round, 0) << where;
            ASSERT_EQ(board[entrant::kCards].num(),
                      form->roundPlayers[static_cast<size_t>(round)][entrant::kCards].num())
                << where << ": the board's cards of " << board[entrant::kSurname].str();
        }
    }

    std::map<std::string, int> m_copies; // copies of each card in the game's deck
};

TEST_P(WholeTable, SeededRoundsEndWithTwoOutAtEveryTableAndNothingLostOnTheWay) {
    for (int seed = 1; seed <= kSeeds; ++seed) {
        const std::string at = GetParam() + " seed " + std::to_string(seed);
        seatRound(*form, kTables);
        form->random().setState(RandomSequence::kStart + 104729ULL * static_cast<unsigned>(seed));
        game().setUp();
        ASSERT_TRUE(c("Picture5").visible) << at;
        ASSERT_TRUE(form->window().click("Label42")) << at << ": no \"INIZIA\"";
        int step = 0;
        for (; step < kMaxSteps && !c("Label49").visible; ++step) {
            if (playerMoves(*form).empty()) advance(kStepMs);
            expectInvariants(at + ", step " + std::to_string(step));
            if (HasFatalFailure()) return;
        }
        ASSERT_TRUE(c("Label49").visible) << at << ": the round did not close in " << step << " steps";
        for (int t = 1; t <= 8; ++t)
            EXPECT_FALSE(form->timer(t).enabled()) << at << ": timer " << t << " still running";
        for (int t = 0; t < kTables; ++t) {
            int out = 0;
            for (int r = 4 * t; r < 4 * t + 4; ++r)
                out += form->tablePlayers[static_cast<size_t>(r)][entrant::kOut].is("1") ? 1 : 0;
            EXPECT_EQ(out, 2) << at << ": players out at table " << t + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, WholeTable, ::testing::Values("Uno", "Brisolo", "Hearts"),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
} // namespace velmora::test
