#include "qt/QtTestSupport.h"
#include "ui/Window.h"
#include "ui/qt/QtFrontEnd.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace velmora {
namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

TEST(QtFrontEndTest, ShowsTheWindowFittedToTheScreenAndDrivesItsTimers) {
    test::qtApplication();
    QtFrontEnd frontEnd;
    Window w(frontEnd.platform());
    Control& start = w.add("Label42", ControlKind::Label);
    start.text = "INIZIA";
    start.width = 3000;
    start.height = 600;
    int ticks = 0;
    int ticksInClick = -1;
    int paintsInClick = -1;
    PaintCounter counter;
    w.onTimer(1, [&] { ++ticks; });
    w.onClick("Label42", [&](int) {
        const int before = ticks;
        counter.paints = 0;
        start.text = "in corso";
        // A long handler lets the screen repaint: its progress shows, no tick gets in.
        const long long until = frontEnd.platform().nowMs() + 120;
        while (frontEnd.platform().nowMs() < until)
            frontEnd.platform().yield();
        ticksInClick = ticks - before;
        paintsInClick = counter.paints;
        w.timer(1).setEnabled(false);
    });
    w.setNow(frontEnd.platform().nowMs());
    w.timer(1).setInterval(15);
    w.timer(1).setEnabled(true);
    frontEnd.show(w);
    WindowView* view = frontEnd.view();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Velmora");
    EXPECT_TRUE(view->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(view->width(), screen.width());
    EXPECT_LE(view->height(), screen.height());

    test::runEventsFor(150);
    EXPECT_GE(ticks, 3);
    view->widgetOf("Label42")->installEventFilter(&counter);
    test::mouseClick(view->widgetOf("Label42"), QPoint(5, 5));
    EXPECT_EQ(ticksInClick, 0);
    EXPECT_GT(paintsInClick, 0); // the new caption was drawn while the handler still ran
    const int afterClick = ticks;
    test::runEventsFor(100); // the handler stopped the timer
    EXPECT_EQ(ticks, afterClick);
}

// The player clicks "Prossima Settimana" again while the week is still being worked out. The window
// is disabled meanwhile, so that click must be lost, not run a second week once the first is done.
class QueuedInputTest : public ::testing::Test {
  protected:
    QueuedInputTest() {
        test::qtApplication();
        Control& next = w.add("Label8", ControlKind::Label);
        next.text = "Prossima Settimana";
        next.width = 3000;
        next.height = 600;
        frontEnd.show(w);
        button = frontEnd.view()->widgetOf("Label8");
    }

    // What a click the window system queued meanwhile looks like once it is handled.
    void queueClick() {
        const QPointF at(5, 5);
        QCoreApplication::postEvent(button,
                                    new QMouseEvent(QEvent::MouseButtonPress, at, button->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(button,
                                    new QMouseEvent(QEvent::MouseButtonRelease, at, button->mapToGlobal(at),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }

    QtFrontEnd frontEnd;
    Window w{frontEnd.platform()};
    QWidget* button = nullptr;
    int runs = 0;
};

TEST_F(QueuedInputTest, ClicksMadeDuringALongHandlerAreDropped) {
    w.onClick("Label8", [&](int) {
        ++runs;
        w.setEnabled(false);
        const long long until = frontEnd.platform().nowMs() + 60;
        while (frontEnd.platform().nowMs() < until)
            frontEnd.platform().yield();
        queueClick();
        w.setEnabled(true);
    });
    test::mouseClick(button, QPoint(5, 5));
    test::runEventsFor(50);
    EXPECT_EQ(runs, 1);
    test::mouseClick(button, QPoint(5, 5)); // a click after it is over counts
    EXPECT_EQ(runs, 2);
}

TEST_F(QueuedInputTest, AfterAQuickHandlerTheNextClickIsKept) {
    w.onClick("Label8", [&](int) {
        if (++runs == 1) queueClick();
    });
    test::mouseClick(button, QPoint(5, 5));
    test::runEventsFor(50);
    EXPECT_EQ(runs, 2);
}

} // namespace
} // namespace velmora
