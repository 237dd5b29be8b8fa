// A career changes all at once or not at all: a store failure at any point of a new career, a week
// advance, a prize collection or an entry, or the program killed halfway, leaves the database as it
// was, and the window keeps showing what the store holds.

#include "CareerWorld.h"

#include "career/EventEntry.h"
#include "career/NewCareer.h"
#include "career/PrizeMoney.h"

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace velmora::test {
namespace {

class CareerFailureTest : public CareerTest {
  protected:
    void SetUp() override { openWorld(); }

    // Runs the action with the store failing after each given number of statements: every attempt
    // must be reported and change nothing; then the same action must work.
    void expectAllOrNothing(const std::function<void()>& action, std::initializer_list<long> failures) {
        const std::string before = dump();
        const int week = form->currentWeek;
        const long money = form->playerMoney;
        const std::string event = form->enteredEvent;
        const int players = form->playerRows.rowCount();
        for (long failAfter : failures) {
            form->db().failAfter(failAfter);
            EXPECT_FALSE(form->window().dispatch(action))
                << "no failure after " << failAfter << " statements";
            form->db().failAfter(-1);
            EXPECT_EQ(platform.takeMessages().size(), 1u) << failAfter;
            EXPECT_TRUE(dump() == before) << "the store changed after a failure at statement " << failAfter;
            EXPECT_TRUE(form->window().enabled());
            EXPECT_EQ(form->currentWeek, week) << failAfter;
            EXPECT_EQ(form->playerMoney, money) << failAfter;
            EXPECT_EQ(form->enteredEvent, event) << failAfter;
            EXPECT_EQ(form->playerRows.rowCount(), players) << failAfter;
            EXPECT_FALSE(c("Label9").visible) << failAfter;
        }
        EXPECT_TRUE(form->window().dispatch(action));
        EXPECT_TRUE(platform.takeMessages().empty());
        EXPECT_FALSE(dump() == before);
    }

    void fillNewCareer() {
        c("Picture1").visible = true;
        c("Text1", 0).text = "Anna";
        c("Text1", 1).text = "D'Amico";
    }

    // Runs the action in a child process that is killed at the given repaint, and checks the
    // store the parent finds afterwards.
    void expectKilledRunChangesNothing(const std::function<void(Form1&)>& action, int killAtYield) {
        const std::string before = dump();
        form->cnox.reset(); // the child opens the file on its own
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            struct KillingPlatform : ScriptedPlatform {
                using ScriptedPlatform::ScriptedPlatform;
                void yield() override {
                    ScriptedPlatform::yield();
                    if (yields() == killAt) _exit(3);
                }
                int killAt = 0;
            } doomed(folder.path());
            doomed.killAt = killAtYield;
            try {
                Form1 game(doomed);
                game.openDatabase(); // not the whole load: it stores the random counter
                action(game);
            } catch (...) {
                _exit(4); // never back into the test runner from the child
            }
            _exit(0); // finished before the kill: the test is wrong
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_EQ(WEXITSTATUS(status), 3) << "the operation ended before repaint " << killAtYield;
        form->openDatabase();
        EXPECT_TRUE(dump() == before) << "a killed run left part of its work in the store";
    }
};

TEST_F(CareerFailureTest, NewCareer) {
    fillNewCareer();
    // From the first statement to the dashboard's refresh at the very end.
    expectAllOrNothing([this] { form->newCareer().Label3_Click(0); },
                       {0, 2, 75, 1500, 9000, 15000, 16700, 16790});
    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_EQ(form->temp().text("tuocognome"), "D'Amico");
}

TEST_F(CareerFailureTest, NextWeek) {
    expectAllOrNothing([this] { form->eventEntry().Label8_Click(); }, {0, 1, 3, 150, 400, 700, 755});
    EXPECT_EQ(form->currentWeek, 2);
}

TEST_F(CareerFailureTest, PrizeCollection) {
    openPrizeBoard();
    c("Label1", 13).text = "€20000";
    expectAllOrNothing(
        [this] {
            // The board is open again for each try, as the failed click leaves it.
            EXPECT_TRUE(c("Picture7").visible);
            EXPECT_EQ(c("Label1", 13).text, "€20000");
            form->prizeMoney().Label50_Click();
        },
        {0, 1, 2, 4, 300, 600, 645});
    EXPECT_EQ(form->temp().number("tuodenaro"), 20000 - 500 + 1000);
}

TEST_F(CareerFailureTest, EntryAndWithdrawal) {
    expectAllOrNothing([this] { form->eventEntry().Label6_Click(1); }, {0, 1, 2});
    EXPECT_EQ(form->temp().text("evento"), "Open di Milano");
    expectAllOrNothing([this] { form->eventEntry().Label7_Click(1); }, {0});
    EXPECT_EQ(form->temp().text("evento"), "0");
}

TEST_F(CareerFailureTest, KilledDuringANewCareer) {
    const auto create = [](Form1& game) {
        game.c("Text1", 0).text = "Anna";
        game.c("Text1", 1).text = "Verdi";
        game.newCareer().Label3_Click(0);
    };
    expectKilledRunChangesNothing(create, 150); // drawing names
    expectKilledRunChangesNothing(create, 300); // writing the players
    expectKilledRunChangesNothing(create, 560); // writing the points
}

TEST_F(CareerFailureTest, KilledDuringTheWorldsWeek) {
    expectKilledRunChangesNothing(
        [](Form1& game) {
            game.currentWeek = 1;
            game.enteredEvent = "0";
            game.eventEntry().Label8_Click();
        },
        60);
}

} // namespace
} // namespace velmora::test
