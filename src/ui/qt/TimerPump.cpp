#include "ui/qt/TimerPump.h"

#include "ui/Window.h"
#include "ui/qt/TableSpeed.h"

#include <algorithm>
#include <climits>

namespace velmora {

TimerPump::TimerPump(Window& window, QObject* parent) : QObject(parent), m_window(window) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { fire(); });
}

void TimerPump::followSpeed(TableSpeed& speed, const Control* selector) {
    m_speed = &speed;
    m_selector = selector;
    m_selectorItem = selector ? selector->listIndex : -1;
    m_speed->setFactor(TableSpeed::factorOfItem(m_selectorItem));
}

void TimerPump::followSelector() {
    if (!m_speed || !m_selector || m_selector->listIndex == m_selectorItem) return;
    m_selectorItem = m_selector->listIndex;
    m_speed->setFactor(TableSpeed::factorOfItem(m_selectorItem));
    if (m_selectorItem >= 0) TableSpeed::storeItem(m_selectorItem);
}

void TimerPump::arm() {
    if (m_firing) return; // fire() re-arms when its ticks are done
    followSelector();
    const long long due = m_window.nextDue();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    const long long wait = m_speed ? m_speed->wallWaitUntil(due) : due - m_window.platform().nowMs();
    m_timer.start(static_cast<int>(std::clamp(wait, 0LL, static_cast<long long>(INT_MAX))));
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
    long long now = m_window.platform().nowMs();
    if (m_speed) {
        // The table's ticks all come, in their order, whatever the pace and however busy the
        // machine: a late pump holds the table clock back to the first due tick instead.
        const long long due = m_window.nextDue();
        if (due >= 0 && now - due > kMaxLateWallMs * m_speed->factor()) {
            m_speed->holdAt(due);
            now = m_speed->nowMs();
        }
    } else {
        dropMissedTicks(now);
    }
    m_firing = true;
    m_delivered += m_window.runDueTimers(now);
    m_firing = false;
    arm();
}

} // namespace velmora
