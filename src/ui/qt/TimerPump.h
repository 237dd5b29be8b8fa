#pragma once

#include <QObject>
#include <QTimer>

namespace velmora {

class Control;
class TableSpeed;
class Window;

// Drives the window's eight timers from the Qt event loop on the table clock: one precise
// single-shot QTimer armed for the next due tick. A tick that falls while another event runs (a
// message box, a yield) is left for the model to refuse and tried again shortly after. Every tick
// comes, in its order, however busy the machine: a late pump holds the table clock back instead of
// dropping ticks, so a seeded table plays the same on any machine.
class TimerPump : public QObject {
  public:
    // The platform's clock must be the given table clock.
    TimerPump(Window& window, TableSpeed& speed, QObject* parent = nullptr);

    // Runs the table clock at the pace chosen in a selector of the window (its item index picks the
    // factor), from now on and whenever the choice changes.
    void followSelector(const Control* selector);

    // Re-arms for the earliest due tick; call after anything that may have changed a timer.
    void arm();
    // While held, due ticks wait (the front end holds them while it clears queued input).
    void setHeld(bool held) { m_held = held; }
    // Ticks delivered so far.
    long long delivered() const { return m_delivered; }

    // A pump this late (wall milliseconds) holds the clock back rather than deliver a burst of
    // ticks: the table loses the time, never a tick or their order.
    static constexpr long long kMaxLateWallMs = 100;

  private:
    static constexpr int kBusyRetryMs = 10;

    void fire();
    // Takes up a new choice of pace.
    void takeUpPace();

    Window& m_window;
    QTimer m_timer;
    TableSpeed& m_speed;
    const Control* m_selector = nullptr;
    int m_selectorItem = -1;
    long long m_delivered = 0;
    bool m_firing = false;
    bool m_held = false;
};

} // namespace velmora
