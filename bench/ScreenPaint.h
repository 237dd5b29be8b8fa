#pragma once

#include "ui/qt/WindowView.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace velmora {
class Window;
}

namespace velmora::bench {

// Milliseconds of this thread's processor time taken by fn, best of the given number of runs. A
// repaint is drawing work on one thread: on a machine shared with other work its wall time would
// mostly measure the wait for a processor.
double bestCpuMs(int runs, const std::function<void()>& fn);

// The game's window on an offscreen screen of a given size, to time what a player waits for after
// a click: the handler, then the whole window drawn again.
class ScreenPaint {
  public:
    ScreenPaint(Window& window, QSize size);
    ~ScreenPaint();

    // Runs the click, brings the widgets up to date and paints the window once.
    void clickAndPaint(const std::function<void()>& click);
    // Prints the best processor and wall time of clickAndPaint as two figures named after what is
    // clicked and the screen's size.
    void report(const std::string& what, int runs, const std::function<void()>& click);

  private:
    QSize m_size;
    std::unique_ptr<WindowView> m_view;
    QImage m_picture;
};

// The toolkit, made once for the whole run on the offscreen platform.
QApplication& benchApplication();

} // namespace velmora::bench
