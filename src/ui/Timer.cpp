#include "ui/Timer.h"

namespace velmora {

void Timer::setEnabled(bool enabled) {
    if (enabled && !m_enabled && m_now) m_armedAt = *m_now;
    m_enabled = enabled;
}

void Timer::setInterval(int milliseconds) {
    if (m_now) m_armedAt = *m_now;
    m_interval = milliseconds;
}

} // namespace velmora
