#include "ui/qt/TimerPump.h"

#include "ui/Window.h"

#include <algorithm>
#include <climits>

namespace velmora {

TimerPump::TimerPump(Window& window, QObject* parent) : QObject(parent), m_window(window) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { fire(); });
}

void TimerPump::arm() {
    if (m_firing) return; // fire() re-arms when its ticks are done
    const long long due = m_window.nextDue();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    const long long wait =
        std::clamp(due - m_window.platform().nowMs(), 0LL, static_cast<long long>(INT_MAX));
    m_timer.start(static_cast<int>(wait));
}

void TimerPump::dropMissedTicks(long long now) {
    for (int number = 1; number <= Window::kTimers; ++number) {
        Timer& timer = m_window.timer(number);
        if (timer.enabled() && timer.interval() > 0 && timer.dueAt() + timer.interval() <= now) {
            timer.ticked(now - timer.interval());
        }
    }
}

void TimerPump::fire() {
    if (m_window.busy() || m_held) {
        m_timer.start(kBusyRetryMs);
        return;
    }
    const long long now = m_window.platform().nowMs();
    dropMissedTicks(now);
    m_firing = true;
    m_delivered += m_window.runDueTimers(now);
    m_firing = false;
    arm();
}

} // namespace velmora
