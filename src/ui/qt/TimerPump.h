#pragma once

#include <QObject>
#include <QTimer>

namespace velmora {

class Control;
class TableSpeed;
class Window;

// Drives the window's eight timers from the Qt event loop on the platform's clock: one precise
// single-shot QTimer armed for the next due tick. A tick that falls while another event runs (a
// message box, a yield) is left for the model to refuse and tried again shortly after.
class TimerPump : public QObject {
  public:
    explicit TimerPump(Window& window, QObject* parent = nullptr);

    // Runs the timers on a table clock at the pace chosen in a selector of the window (its item
    // index picks the factor). The platform's clock must be that table clock. The choice is kept in
    // the user's settings each time it changes.
    void followSpeed(TableSpeed& speed, const Control* selector);

    // Re-arms for the earliest due tick; call after anything that may have changed a timer.
    void arm();
    // While held, due ticks wait (the front end holds them while it clears queued input).
    void setHeld(bool held) { m_held = held; }
    // Ticks delivered so far.
    long long delivered() const { return m_delivered; }

    // On a table clock, a pump this late (wall milliseconds) holds the clock back rather than
    // deliver a burst of ticks: the table loses the time, never a tick or their order.
    static constexpr long long kMaxLateWallMs = 100;

  private:
    static constexpr int kBusyRetryMs = 10;

    void fire();
    // A real clock falls behind while a long handler runs; like a desktop timer, a late timer then
    // ticks once rather than delivering every interval it missed.
    void dropMissedTicks(long long now);
    // Takes up a new choice of pace.
    void followSelector();

    Window& m_window;
    QTimer m_timer;
    TableSpeed* m_speed = nullptr;
    const Control* m_selector = nullptr;
    int m_selectorItem = -1;
    long long m_delivered = 0;
    bool m_firing = false;
    bool m_held = false;
};

} // namespace velmora
