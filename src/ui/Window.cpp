#include "ui/Window.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>
#include <vector>

namespace velmora {

Window::Window(Platform& platform) : m_platform(platform) {
    for (auto& timer : m_timers)
        timer.setClock(&m_now);
}

Control& Window::add(const std::string& name, ControlKind kind, Control* panel) {
    auto control = std::make_unique<Control>();
    control->name = name;
    control->kind = kind;
    control->panel = panel;
    control->order = static_cast<int>(m_controls.size());
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
        control->order = static_cast<int>(m_controls.size());
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
    throw std::out_of_range("controllo inesistente: " +
                            (index < 0 ? name : name + "(" + std::to_string(index) + ")"));
}

bool Window::isArray(const std::string& name) const {
    auto found = m_arrays.find(name);
    return found != m_arrays.end() && found->second;
}

bool Window::dispatch(const std::function<void()>& handler) {
    if (m_busy) return false;
    m_busy = true;
    const bool ok = runEvent(handler);
    m_busy = false;
    if (m_changed) m_changed();
    return ok;
}

bool Window::runEvent(const std::function<void()>& handler) {
    bool ok = true;
    try {
        handler();
    } catch (const std::exception& error) {
        ok = false;
        m_enabled = true;
        const bool busy = m_busy;
        m_busy = false;
        m_platform.messageBox(error.what(), m_title);
        m_busy = busy;
    }
    if (m_afterEvent) m_afterEvent();
    return ok;
}

namespace {

struct Area {
    long long left, top, right, bottom;
    bool empty() const { return left >= right || top >= bottom; }
};

// Where a control lies on the window, in twips.
Area areaOf(const Control& control) {
    long long left = control.left, top = control.top;
    for (const Control* p = control.panel; p; p = p->panel) {
        left += p->left;
        top += p->top;
    }
    return {left, top, left + control.width, top + control.height};
}

// The chain from the window down to a control: its outermost panel first, the control last.
std::vector<const Control*> chainOf(const Control& control) {
    std::vector<const Control*> chain;
    for (const Control* c = &control; c; c = c->panel)
        chain.insert(chain.begin(), c);
    return chain;
}

// True when `upper` is drawn above `lower`: where their chains part, the later-made branch is on top
// (a panel inside another is above it, and so is everything on it).
bool drawnAbove(const Control& upper, const Control& lower) {
    const auto a = chainOf(upper), b = chainOf(lower);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (i == a.size()) return false; // upper holds lower
    if (i == b.size()) return true;  // upper lies on lower
    return a[i]->order > b[i]->order;
}

// What is left of `area` once `cover` is cut out of it.
std::vector<Area> cutOut(const Area& area, const Area& cover) {
    const Area overlap{std::max(area.left, cover.left), std::max(area.top, cover.top),
                       std::min(area.right, cover.right), std::min(area.bottom, cover.bottom)};
    if (overlap.empty()) return {area};
    std::vector<Area> rest;
    for (const Area& part : {Area{area.left, area.top, area.right, overlap.top},
                             Area{area.left, overlap.bottom, area.right, area.bottom},
                             Area{area.left, overlap.top, overlap.left, overlap.bottom},
                             Area{overlap.right, overlap.top, area.right, overlap.bottom}}) {
        if (!part.empty()) rest.push_back(part);
    }
    return rest;
}

} // namespace

bool Window::covered(const Control& control) const {
    std::vector<Area> open = {areaOf(control)};
    for (const auto& other : m_controls) {
        if (other->kind != ControlKind::Panel || other.get() == &control || !other->shown()) continue;
        if (!drawnAbove(*other, control)) continue;
        const Area cover = areaOf(*other);
        std::vector<Area> left;
        for (const Area& part : open) {
            for (const Area& piece : cutOut(part, cover))
                left.push_back(piece);
        }
        open = std::move(left);
        if (open.empty()) return true;
    }
    return false;
}

bool Window::canTouch(const Control& control) const {
    return m_enabled && !m_busy && control.reachable() && !covered(control);
}

bool Window::click(const std::string& name, int index) {
    Control* control = find(name, index);
    if (!control || !canTouch(*control)) return false;
    auto handler = m_clickHandlers.find(name);
    if (handler == m_clickHandlers.end()) return true; // a plain caption: the click lands, nothing happens
    IndexHandler run = handler->second;
    dispatch([&] { run(index); });
    return true;
}

bool Window::hover(const std::string& name, int index, bool over) {
    Control* control = find(name, index);
    if (!control || (over && !canTouch(*control))) return false;
    auto handler = m_hoverHandlers.find(name);
    if (handler == m_hoverHandlers.end()) return true; // nothing of the game reacts to it
    HoverHandler run = handler->second;
    dispatch([&] { run(index, over); });
    return true;
}

bool Window::pressKey(const std::string& key) {
    if (m_now < m_keysHeldUntil) return false;
    auto found = m_keyButtons.find(key);
    if (found != m_keyButtons.end()) {
        for (const auto& [name, index] : found->second()) {
            Control* control = find(name, index);
            if (control && !control->dimmed && canTouch(*control)) return click(name, index);
        }
    }
    auto action = m_keyActions.find(key);
    if (action == m_keyActions.end() || !m_enabled || m_busy) return false;
    bool acted = false;
    std::function<bool()> run = action->second;
    dispatch([&] { acted = run(); });
    return acted;
}

bool Window::choose(const std::string& name, int index, const std::string& item) {
    Control* control = find(name, index);
    if (!control || control->kind != ControlKind::Combo || !canTouch(*control)) {
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
    if (!control || control->kind != ControlKind::TextBox || !canTouch(*control)) {
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
        if (timer.enabled() && timer.interval() > 0 && (best < 0 || timer.dueAt() < best))
            best = timer.dueAt();
    }
    return best;
}

int Window::firstDue(long long limit, long long& due) const {
    int number = 0;
    for (int i = 0; i < kTimers; ++i) {
        const Timer& timer = m_timers[static_cast<size_t>(i)];
        if (timer.enabled() && timer.interval() > 0 && timer.dueAt() <= limit &&
            (number == 0 || timer.dueAt() < due)) {
            number = i + 1;
            due = timer.dueAt();
        }
    }
    return number;
}

bool Window::tick(int number, long long due) {
    m_now = due;
    timer(number).ticked(due);
    auto handler = m_timerHandlers.find(number);
    if (handler == m_timerHandlers.end()) return false;
    Handler run = handler->second; // a handler may rewire the timers
    runEvent(run);
    return true;
}

int Window::runDueTimers(long long now) {
    if (m_busy) return 0;
    int delivered = 0;
    long long due = 0;
    while (const int number = firstDue(now, due)) {
        m_busy = true;
        const bool ran = tick(number, due);
        m_busy = false;
        if (ran && m_changed) m_changed();
        ++delivered;
    }
    m_now = now;
    return delivered;
}

int Window::playOn(const std::function<bool()>& done, int maxTicks) {
    int delivered = 0;
    long long due = 0;
    while (delivered < maxTicks && !done()) {
        const int number = firstDue(std::numeric_limits<long long>::max(), due);
        if (number == 0) break;
        // Each tick is an event of its own, with the rules that follow every event, exactly as
        // waiting delivers it; only the screen is redrawn once, at the end of the skip.
        tick(number, due);
        ++delivered;
    }
    return delivered;
}

namespace {
std::string lowerCase(std::string text) {
    for (char& ch : text)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}
} // namespace

void Window::showFolderAs(const std::string& folder, const std::string& shownFolder) {
    const std::string key = lowerCase(folder);
    auto found = m_shownFolders.find(key);
    const std::string before = found == m_shownFolders.end() ? std::string() : found->second;
    if (before == shownFolder) return;
    if (shownFolder.empty()) {
        m_shownFolders.erase(key);
    } else {
        m_shownFolders[key] = shownFolder;
    }
    ++m_pictureSet;
}

std::string Window::shownPicture(const std::string& path) const {
    if (m_shownFolders.empty()) return path;
    const std::string lower = lowerCase(path);
    for (const auto& [folder, shown] : m_shownFolders) {
        if (lower.compare(0, folder.size(), folder) == 0) return shown + path.substr(folder.size());
    }
    return path;
}

Accessible Window::describe(const Control& control) const {
    if (m_describer) return m_describer(control);
    Accessible said;
    if (control.kind == ControlKind::Label)
        said = {control.clickable ? AccessibleRole::Button : AccessibleRole::StaticText, control.text};
    return said;
}

const char* Accessible::roleName(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Hidden:
        return "hidden";
    case AccessibleRole::Button:
        return "button";
    case AccessibleRole::StaticText:
        return "text";
    case AccessibleRole::Grouping:
        return "group";
    case AccessibleRole::Table:
        return "table";
    case AccessibleRole::Own:
        break;
    }
    return "own";
}

} // namespace velmora
