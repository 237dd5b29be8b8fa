#pragma once

#include "ui/Platform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

class InputSwallower;
class QtPlatform;
class SoundBoard;
class TimerPump;
class Window;
class WindowView;

// The desktop front end: shows the window model with Qt Widgets and drives its timers.
// Needs a QApplication. The window shown must stay alive while the event loop runs.
class QtFrontEnd {
  public:
    QtFrontEnd();
    ~QtFrontEnd();
    QtFrontEnd(const QtFrontEnd&) = delete;
    QtFrontEnd& operator=(const QtFrontEnd&) = delete;

    Platform& platform();
    // Reads the pictures and keeps the career in these folders instead of the executable's; before show.
    void useFolders(const std::string& pictures, const std::string& career, const std::string& shipped = "");
    // Builds the widgets for the window's controls, sizes the window to fit the screen and shows
    // it; from then on every event the model runs is mirrored on screen and its timers tick.
    void show(Window& window);
    // The view, once shown.
    WindowView* view() { return m_view.get(); }
    // What plays the game's sounds, once shown.
    SoundBoard* sounds() { return m_sounds.get(); }
    // Run after every event the window ran, once the screen shows it and before the next tick:
    // where a scripted player acts at the very moment of the event (soak runs, tests).
    void setAfterEvent(std::function<void()> hook) { m_afterEvent = std::move(hook); }

  private:
    // After each event the model ran: clear input queued during it, then redraw and re-arm timers.
    void eventDone();

    std::unique_ptr<QtPlatform> m_platform;
    std::unique_ptr<InputSwallower> m_swallower;
    std::unique_ptr<WindowView> m_view;
    std::unique_ptr<TimerPump> m_pump;
    std::unique_ptr<SoundBoard> m_sounds;
    std::vector<std::string> m_announced; // said during the running event
    Window* m_window = nullptr;
    long long m_yieldsSeen = 0;
    std::function<void()> m_afterEvent;
};

} // namespace velmora
