// Leaving a tournament from the card table: the question, the timers and the entry that survives.

#include "support/GameTest.h"
#include "support/WorldBuilder.h"

#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

const char kQuestion[] = "Sei sicuro di voler uscire? Tutti i dati del torneo andranno persi.";

class LeaveTableTest : public GameTest {
  protected:
    void SetUp() override {
        load();
        buildWorld(form->db(), WorldOptions{.event = "Open di Milano"});
        form->enteredEvent = "Open di Milano"; // as "Gioca Torneo" leaves it
        c("Picture2").visible = true;
        c("Picture5").visible = true;
        c("Label39").visible = false;
        c("Label8").visible = true;
    }
    void run(std::set<int> timers) {
        for (int t : timers) {
            form->timer(t).setInterval(500);
            form->timer(t).setEnabled(true);
        }
    }
    std::set<int> running() {
        std::set<int> on;
        for (int t = 1; t <= 8; ++t) {
            if (form->timer(t).enabled()) on.insert(t);
        }
        return on;
    }
};

TEST_F(LeaveTableTest, NothingHappensWhileTheHumansCardEffectPlays) {
    run({1, 2, 4});
    click("Label41");
    EXPECT_TRUE(platform.takeMessages().empty()) << "no question while Timer4 runs";
    EXPECT_EQ(running(), (std::set<int>{1, 2, 4}));
    EXPECT_TRUE(c("Picture5").visible);
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(LeaveTableTest, NoRestartsExactlyTheTimersThatWereRunning) {
    run({1, 3, 8});
    platform.answerNext(false);
    click("Label41");
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{kQuestion});
    EXPECT_EQ(platform.lastTitle(), "Velmora");
    EXPECT_EQ(running(), (std::set<int>{1, 3, 8}));
    EXPECT_EQ(form->timerWasRunning, (std::array<int, 8>{1, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_TRUE(c("Picture5").visible);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(LeaveTableTest, YesLeavesTheTableAndKeepsTheEntry) {
    run({1, 2, 3});
    platform.answerNext(true);
    click("Label41");
    EXPECT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_FALSE(c("Picture5").visible);
    EXPECT_TRUE(running().empty());
    EXPECT_EQ(form->temp().text("evento"), "Open di Milano");
    // The tournament can be started again from the dashboard.
    EXPECT_TRUE(c("Label39").visible);
    EXPECT_FALSE(c("Label8").visible);
    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(LeaveTableTest, WithoutAnEntryTheDashboardOffersTheNextWeek) {
    form->temp().setText("evento", "0");
    form->enteredEvent = "0";
    c("Label39").visible = true;
    c("Label8").visible = false;
    run({2});
    platform.answerNext(false);
    click("Label41");
    EXPECT_FALSE(c("Label39").visible);
    EXPECT_TRUE(c("Label8").visible);
    EXPECT_EQ(running(), (std::set<int>{2}));
}

} // namespace
} // namespace velmora::test
