#include "ui/qt/TimerPump.h"

#include "ui/Window.h"
#include "ui/qt/TableSpeed.h"

#include <algorithm>
#include <climits>

namespace velmora {

TimerPump::TimerPump(Window& window, TableSpeed& speed, QObject* parent)
    : QObject(parent), m_window(window), m_speed(speed) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { fire(); });
}

void TimerPump::followSelector(const Control* selector) {
    m_selector = selector;
    m_selectorItem = selector ? selector->listIndex : -1;
    m_speed.setFactor(TableSpeed::factorOfItem(m_selectorItem));
}

void TimerPump::takeUpPace() {
    if (!m_selector || m_selector->listIndex == m_selectorItem) return;
    m_selectorItem = m_selector->listIndex;
    m_speed.setFactor(TableSpeed::factorOfItem(m_selectorItem));
}

void TimerPump::arm() {
    if (m_firing) return; // fire() re-arms when its ticks are done
    takeUpPace();
    const long long due = m_window.nextDue();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    const long long wait = m_speed.wallWaitUntil(due);
    m_timer.start(static_cast<int>(std::clamp(wait, 0LL, static_cast<long long>(INT_MAX))));
}

void TimerPump::fire() {
    if (m_window.busy() || m_held) {
        m_timer.start(kBusyRetryMs);
        return;
    }
    long long now = m_speed.nowMs();
    // The table's ticks all come, in their order, whatever the pace and however busy the machine:
    // a late pump holds the table clock back to the first due tick instead.
    const long long due = m_window.nextDue();
    if (due >= 0 && now - due > kMaxLateWallMs * m_speed.factor()) {
        m_speed.holdAt(due);
        now = m_speed.nowMs();
    }
    m_firing = true;
    m_delivered += m_window.runDueTimers(now);
    m_firing = false;
    arm();
}

} // namespace velmora
