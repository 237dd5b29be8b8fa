#include "ui/qt/TimerPump.h"
#include "qt/QtTestSupport.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <vector>

namespace velmora {
namespace {

using test::runEventsFor;

TEST(TimerPumpTest, TicksComeOnTheRealClockAndStopWithTheTimer) {
    test::qtApplication();
    test::RealClockPlatform platform("/tmp");
    Window w(platform);
    TimerPump pump(w);
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

TEST(TimerPumpTest, ALateTimerTicksOnceInsteadOfCatchingUp) {
    test::qtApplication();
    ScriptedPlatform platform("/tmp");
    Window w(platform);
    TimerPump pump(w);
    std::vector<int> ticks;
    for (int n : {1, 2})
        w.onTimer(n, [&, n] { ticks.push_back(n); });
    w.timer(2).setInterval(100);
    w.timer(1).setInterval(300);
    w.timer(2).setEnabled(true);
    w.timer(1).setEnabled(true);
    platform.setNow(5000); // the program was busy for five seconds
    pump.arm();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, (std::vector<int>{1, 2})); // one each, lower number first
    EXPECT_EQ(w.timer(2).dueAt(), 5100);
}

TEST(TimerPumpTest, AYieldInsideAHandlerDeliversNoTick) {
    test::qtApplication();
    ScriptedPlatform platform("/tmp");
    Window w(platform);
    TimerPump pump(w);
    int ticks = 0;
    int ticksDuringClick = -1;
    w.onTimer(1, [&] { ++ticks; });
    w.timer(1).setInterval(10);
    w.timer(1).setEnabled(true);
    Control& button = w.add("Label8", ControlKind::Label);
    (void)button;
    w.onClick("Label8", [&](int) {
        platform.setNow(1000);
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

} // namespace
} // namespace velmora
