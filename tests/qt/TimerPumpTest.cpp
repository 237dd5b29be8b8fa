#include "ui/qt/TimerPump.h"
#include "qt/QtTestSupport.h"
#include "ui/Window.h"
#include "ui/qt/TableSpeed.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <thread>
#include <vector>

namespace velmora {
namespace {

using test::runEventsFor;

// A platform whose clock is the table clock, as the desktop game's is.
class TableClockPlatform : public ScriptedPlatform {
  public:
    TableClockPlatform() : ScriptedPlatform("/tmp") {}
    long long nowMs() const override { return speed.nowMs(); }
    TableSpeed speed;
};

TEST(TimerPumpTest, TicksComeOnTheRealClockAndStopWithTheTimer) {
    test::qtApplication();
    TableClockPlatform platform;
    Window w(platform);
    TimerPump pump(w, platform.speed);
    int ticks = 0;
    w.onTimer(3, [&] {
        if (++ticks == 5) w.timer(3).setEnabled(false);
    });
    w.setNow(platform.nowMs());
    w.timer(3).setInterval(20);
    w.timer(3).setEnabled(true);
    pump.arm();
    runEventsFor(400);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(pump.delivered(), 5);
}

TEST(TimerPumpTest, AYieldInsideAHandlerDeliversNoTick) {
    test::qtApplication();
    TableClockPlatform platform;
    Window w(platform);
    TimerPump pump(w, platform.speed);
    int ticks = 0;
    int ticksDuringClick = -1;
    w.onTimer(1, [&] {
        ++ticks;
        w.timer(1).setEnabled(false);
    });
    w.setNow(platform.nowMs());
    w.timer(1).setInterval(10);
    w.timer(1).setEnabled(true);
    Control& button = w.add("Label8", ControlKind::Label);
    (void)button;
    w.onClick("Label8", [&](int) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30)); // the tick falls due meanwhile
        pump.arm();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        ticksDuringClick = ticks;
    });
    ASSERT_TRUE(w.click("Label8"));
    EXPECT_EQ(ticksDuringClick, 0);
    runEventsFor(50); // the refused tick is tried again once the click is over
    EXPECT_EQ(ticks, 1);
}

TEST(TimerPumpTest, TheTableClockRunsAtThePaceWithoutJumping) {
    TableSpeed speed;
    EXPECT_EQ(TableSpeed::factorOfItem(0), 1); // the game's own pace comes first
    EXPECT_EQ(TableSpeed::factorOfItem(1), 3);
    EXPECT_EQ(TableSpeed::factorOfItem(2), 10);
    EXPECT_EQ(TableSpeed::factorOfItem(-1), 1);
    speed.setFactor(10);
    // A second of the table is a tenth of a second on the wall.
    const long long wait = speed.wallWaitUntil(speed.nowMs() + 1000);
    EXPECT_LE(wait, 100);
    EXPECT_GE(wait, 99);
    EXPECT_EQ(speed.wallWaitUntil(speed.nowMs() - 5), 0);
    // Changing the pace neither rewinds nor leaps the table clock.
    const long long before = speed.nowMs();
    speed.setFactor(1);
    const long long after = speed.nowMs();
    EXPECT_GE(after, before);
    EXPECT_LE(after, before + 20);
    speed.holdAt(after - 500);
    EXPECT_LE(speed.nowMs(), after - 500 + 20);
    speed.setFactor(1);
}

TEST(TimerPumpTest, ALateTableLosesTimeButNeverATickNorItsOrder) {
    test::qtApplication();
    TableClockPlatform platform;
    Window w(platform);
    TimerPump pump(w, platform.speed);
    std::vector<int> ticks;
    for (int n : {1, 2})
        w.onTimer(n, [&, n] { ticks.push_back(n); });
    w.setNow(platform.nowMs());
    w.timer(2).setInterval(100);
    w.timer(1).setInterval(300);
    w.timer(2).setEnabled(true);
    w.timer(1).setEnabled(true);
    pump.arm();
    std::this_thread::sleep_for(std::chrono::milliseconds(700)); // the program was busy
    QCoreApplication::processEvents();
    EXPECT_EQ(pump.delivered(), 1) << "the late ticks came in a burst";
    runEventsFor(450);
    ASSERT_GE(ticks.size(), 4u);
    // As on the game's own clock: 2 at 100 and 200, then 1 and 2 together at 300.
    EXPECT_EQ(std::vector<int>(ticks.begin(), ticks.begin() + 4), (std::vector<int>{2, 2, 1, 2}));
    platform.speed.setFactor(1);
}

} // namespace
} // namespace velmora
