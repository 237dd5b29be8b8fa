#pragma once

namespace velmora {

// One of the window's eight timers. A timer enabled, re-enabled or given a new interval starts
// counting its interval from that moment; a disabled timer never ticks.
class Timer {
public:
    bool enabled() const { return m_enabled; }
    int interval() const { return m_interval; } // milliseconds
    void setEnabled(bool enabled);
    void setInterval(int milliseconds);

    // Moment (ms) of the next tick; meaningful only while enabled.
    long long dueAt() const { return m_armedAt + m_interval; }
    void setClock(const long long* now) { m_now = now; }
    // Marks a tick delivered at the given moment: the next one is an interval later.
    void ticked(long long at) { m_armedAt = at; }

private:
    bool m_enabled = false;
    int m_interval = 1000;
    long long m_armedAt = 0;
    const long long* m_now = nullptr;
};

} // namespace velmora
