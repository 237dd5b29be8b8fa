#include "ui/Window.h"

#include <stdexcept>

namespace velmora {

Window::Window(Platform& platform) : m_platform(platform) {
    for (auto& timer : m_timers) timer.setClock(&m_now);
}

Control& Window::add(const std::string& name, ControlKind kind, Control* panel) {
    auto control = std::make_unique<Control>();
    control->name = name;
    control->kind = kind;
    control->panel = panel;
    Control& added = *control;
    m_byName[{name, -1}] = &added;
    m_arrays[name] = false;
    m_controls.push_back(std::move(control));
    return added;
}

void Window::addArray(const std::string& name, int first, int last, ControlKind kind, Control* panel) {
    for (int i = first; i <= last; ++i) {
        auto control = std::make_unique<Control>();
        control->name = name;
        control->index = i;
        control->kind = kind;
        control->panel = panel;
        m_byName[{name, i}] = control.get();
        m_controls.push_back(std::move(control));
    }
    m_arrays[name] = true;
}

Control* Window::find(const std::string& name, int index) {
    auto found = m_byName.find({name, index});
    return found == m_byName.end() ? nullptr : found->second;
}

Control& Window::operator()(const std::string& name, int index) {
    if (Control* control = find(name, index)) return *control;
    throw std::out_of_range("controllo inesistente: " + (index < 0 ? name : name + "(" + std::to_string(index) + ")"));
}

bool Window::isArray(const std::string& name) const {
    auto found = m_arrays.find(name);
    return found != m_arrays.end() && found->second;
}

bool Window::dispatch(const std::function<void()>& handler) {
    if (m_busy) return false;
    m_busy = true;
    bool ok = true;
    try {
        handler();
    } catch (const std::exception& error) {
        ok = false;
        m_enabled = true;
        m_busy = false;
        m_platform.messageBox(error.what(), m_title);
    }
    m_busy = false;
    if (m_changed) m_changed();
    return ok;
}

bool Window::click(const std::string& name, int index) {
    Control* control = find(name, index);
    if (!control || !m_enabled || m_busy || !control->reachable()) return false;
    auto handler = m_clickHandlers.find(name);
    if (handler == m_clickHandlers.end()) return true; // a plain caption: the click lands, nothing happens
    IndexHandler run = handler->second;
    dispatch([&] { run(index); });
    return true;
}

bool Window::choose(const std::string& name, int index, const std::string& item) {
    Control* control = find(name, index);
    if (!control || control->kind != ControlKind::Combo || !m_enabled || m_busy || !control->reachable()) {
        return false;
    }
    for (size_t i = 0; i < control->items.size(); ++i) {
        if (control->items[i] == item) {
            control->listIndex = static_cast<int>(i);
            control->text = item;
            auto handler = m_clickHandlers.find(name);
            if (handler != m_clickHandlers.end()) {
                IndexHandler run = handler->second;
                dispatch([&] { run(index); });
            } else if (m_changed) {
                m_changed();
            }
            return true;
        }
    }
    return false;
}

bool Window::type(const std::string& name, int index, const std::string& text) {
    Control* control = find(name, index);
    if (!control || control->kind != ControlKind::TextBox || !m_enabled || m_busy || !control->reachable()) {
        return false;
    }
    control->text = text;
    if (m_changed) m_changed();
    return true;
}

void Window::setComboText(Control& combo, const std::string& text) {
    combo.text = text;
    for (size_t i = 0; i < combo.items.size(); ++i) {
        if (combo.items[i] == text) {
            combo.listIndex = static_cast<int>(i);
            auto handler = m_clickHandlers.find(combo.name);
            if (handler != m_clickHandlers.end()) handler->second(combo.index);
            return;
        }
    }
    combo.listIndex = -1;
}

long long Window::nextDue() const {
    long long best = -1;
    for (const auto& timer : m_timers) {
        if (timer.enabled() && timer.interval() > 0 && (best < 0 || timer.dueAt() < best)) best = timer.dueAt();
    }
    return best;
}

int Window::runDueTimers(long long now) {
    if (m_busy) return 0;
    int delivered = 0;
    for (;;) {
        int number = 0;
        long long due = 0;
        for (int i = 0; i < kTimers; ++i) {
            const Timer& timer = m_timers[static_cast<size_t>(i)];
            if (timer.enabled() && timer.interval() > 0 && timer.dueAt() <= now && (number == 0 || timer.dueAt() < due)) {
                number = i + 1;
                due = timer.dueAt();
            }
        }
        if (number == 0) break;
        m_now = due;
        timer(number).ticked(due);
        auto handler = m_timerHandlers.find(number);
        if (handler != m_timerHandlers.end()) {
            Handler run = handler->second;
            dispatch(run);
        }
        ++delivered;
    }
    m_now = now;
    return delivered;
}

} // namespace velmora
