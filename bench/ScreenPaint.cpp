#include "ScreenPaint.h"

#include "Bench.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace velmora::bench {

double bestCpuMs(int runs, const std::function<void()>& fn) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        timespec start{}, end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        fn();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        best = std::min(best, static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                                  static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6);
    }
    return best;
}

QApplication& benchApplication() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "velmora-bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

ScreenPaint::ScreenPaint(Window& window, QSize size) : m_size(size), m_picture(size, QImage::Format_RGB32) {
    benchApplication();
    m_view = std::make_unique<WindowView>(window);
    // Shown, as the player's window is: the toolkit then leaves out what an opaque control covers.
    m_view->resize(size);
    m_view->show();
    QApplication::processEvents();
    m_view->shot(size); // lays the view out and reads every picture once, as the first frame would
}

ScreenPaint::~ScreenPaint() = default;

void ScreenPaint::clickAndPaint(const std::function<void()>& click) {
    click();
    m_view->sync();
    m_view->render(&m_picture);
}

void ScreenPaint::report(const std::string& what, int runs, const std::function<void()>& click) {
    const std::string size = std::to_string(m_size.width()) + "x" + std::to_string(m_size.height());
    bench::report(what + " at " + size, bestCpuMs(runs, [&] { clickAndPaint(click); }), "ms");
    bench::report(what + " at " + size + ", wall time", bestMs(runs, [&] { clickAndPaint(click); }), "ms");
}

} // namespace velmora::bench
