#pragma once

#include "ui/ScriptedPlatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <string>

namespace velmora::test {

// The one application object of the widget tests (offscreen; the test main sets the platform).
inline QApplication& qtApplication() {
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

// A scripted platform (no real dialogs) whose clock is the real one, for views driven by Qt timers.
class RealClockPlatform : public ScriptedPlatform {
  public:
    explicit RealClockPlatform(std::string folder) : ScriptedPlatform(std::move(folder)) { m_clock.start(); }
    long long nowMs() const override { return m_clock.elapsed(); }

  private:
    QElapsedTimer m_clock;
};

// A left click as the mouse gives it: press and release on the widget at a point of it.
inline void mouseClick(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// Clicks whatever widget lies on top at a point of the top-level view, as the player would.
// Returns the widget hit (nullptr when nothing is there).
inline QWidget* clickViewAt(QWidget* view, QPoint at) {
    QWidget* hit = view->childAt(at);
    if (hit) mouseClick(hit, hit->mapFrom(view, at));
    return hit;
}

// Runs the event loop (timers, posted events) for a while.
inline void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Where a widget's centre lies in the top-level view.
inline QPoint centreInView(QWidget* view, QWidget* widget) {
    return widget->mapTo(view, widget->rect().center());
}

inline int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 2) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); x += 2)
            colours.insert(line[x]);
    }
    return static_cast<int>(colours.size());
}

inline int pixelsNear(const QImage& image, QColor colour, int tolerance = 40) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c = rgb.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace velmora::test
