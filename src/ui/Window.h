#pragma once

#include "ui/Accessible.h"
#include "ui/Control.h"
#include "ui/Platform.h"
#include "ui/Timer.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// The toolkit-free window: its controls by name and index, its eight timers, its enabled flag and
// the handlers wired to control events. Events are dispatched one at a time, never inside another;
// a failing handler is reported in a message box and leaves the window usable.
class Window {
  public:
    using IndexHandler = std::function<void(int index)>; // index is -1 for a single control
    using Handler = std::function<void()>;
    static constexpr int kTimers = 8;

    explicit Window(Platform& platform);

    // Creation, at build time of the screens. Controls are drawn in creation order.
    Control& add(const std::string& name, ControlKind kind, Control* panel = nullptr);
    // Adds items first..last of a control array (arrays may grow in several calls).
    void addArray(const std::string& name, int first, int last, ControlKind kind, Control* panel = nullptr);

    // The control, or throws std::out_of_range naming it.
    Control& operator()(const std::string& name, int index = -1);
    Control* find(const std::string& name, int index = -1);
    bool isArray(const std::string& name) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

    // Timers are numbered 1..8 as on the form.
    Timer& timer(int number) { return m_timers.at(static_cast<size_t>(number - 1)); }

    // The pictures of one folder are drawn from another instead (the Uno faces with their colour
    // symbols): the game goes on naming the design's pictures, the screen shows the other set. An
    // empty shown folder puts the design's pictures back. Folders in the game's form
    // ("\immagini\uno\"), matched without regard to letter case.
    void showFolderAs(const std::string& folder, const std::string& shownFolder);
    // The picture the screen draws for a path the game gave.
    std::string shownPicture(const std::string& path) const;
    // Grows at every change of the shown folders, so a screen knows to draw its pictures again.
    int pictureSet() const { return m_pictureSet; }

    // What a screen reader is told of a control; the window's owner knows the game's words for it.
    using Describer = std::function<Accessible(const Control&)>;
    void setDescriber(Describer describer) { m_describer = std::move(describer); }
    Accessible describe(const Control& control) const;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    Platform& platform() { return m_platform; }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }

    // Wiring: what a click, a combo choice or a timer tick runs.
    void onClick(const std::string& name, IndexHandler handler) {
        m_clickHandlers[name] = std::move(handler);
    }
    void onTimer(int number, Handler handler) { m_timerHandlers[number] = std::move(handler); }
    // What the pointer coming to rest on a control runs (over), and leaving it again (not over).
    using HoverHandler = std::function<void(int index, bool over)>;
    void onHover(const std::string& name, HoverHandler handler) { m_hoverHandlers[name] = std::move(handler); }
    bool hasHover(const std::string& name) const { return m_hoverHandlers.count(name) > 0; }
    // A key stands for buttons: the first of them the player could click now is clicked.
    using Buttons = std::vector<std::pair<std::string, int>>;
    void onKey(const std::string& key, std::function<Buttons()> buttons) {
        m_keyButtons[key] = std::move(buttons);
    }
    // A key that moves something of the window's own instead of clicking (the keyboard's focus
    // frame over the cards): tried when none of the key's buttons could be clicked, and run as an
    // event. It answers whether it did anything.
    void onKeyAction(const std::string& key, std::function<bool()> action) {
        m_keyActions[key] = std::move(action);
    }
    // A key press ("Return", "Escape", "Left", "F1", "P", "3"): clicks the first button it stands
    // for that the player could click to some effect (a dimmed one would do nothing), or else runs
    // its action. False when it did nothing.
    bool pressKey(const std::string& key);
    // Keys do nothing until the clock reaches `until` (a result that has just come up is read
    // before a key meant for the screen before it can act on it); 0 lets them act again.
    void holdKeys(long long until) { m_keysHeldUntil = until; }
    // Asks the front end to put the keyboard focus in a control at its next redraw.
    void requestFocus(const Control& control) { m_focusRequest = &control; }
    const Control* takeFocusRequest() {
        const Control* control = m_focusRequest;
        m_focusRequest = nullptr;
        return control;
    }

    // True when panels drawn above a control hide every part of it, so the mouse cannot reach it.
    bool covered(const Control& control) const;
    // Whether the player could touch a control now: the window takes input, no event is running, the
    // control and its panels are shown and enabled, and some part of it is not covered.
    bool canTouch(const Control& control) const;

    // Player input. Each returns false (doing nothing) when the player could not do it (see
    // canTouch).
    bool click(const std::string& name, int index = -1);
    // Selects an item of a combo box as a player would and runs its click handler.
    bool choose(const std::string& name, int index, const std::string& item);
    bool type(const std::string& name, int index, const std::string& text);
    // The pointer comes onto a control (over) or leaves it. Coming onto it needs canTouch; leaving
    // does not, since the control may have gone from under the pointer. Runs the control's hover
    // handler as an event (so not while another event runs); false when it could not come onto it.
    bool hover(const std::string& name, int index, bool over);

    // Sets a combo box's text the way the program does; when the text is one of its items the item
    // is selected and the box's click handler runs (later lists rely on this).
    void setComboText(Control& combo, const std::string& text);

    // Delivers every timer tick due up to the moment now, in time order (lower timer first on equal
    // times). Returns the number of ticks delivered.
    int runDueTimers(long long now);
    // From inside a running event, plays the timers on as the clock would if left to run: every
    // tick in time order (lower timer first on equal times), each delivered as waiting delivers it
    // (the handler seeing the clock at its own tick, then the rules after every event), until
    // done() holds, no timer runs or maxTicks were delivered. The clock is left at the last tick.
    // Returns the number of ticks delivered.
    int playOn(const std::function<bool()>& done, int maxTicks);
    // The clock the timers count from; the front end keeps it current.
    void setNow(long long now) { m_now = now; }
    long long now() const { return m_now; }
    // Earliest moment a tick is due, or -1 when no timer runs.
    long long nextDue() const;

    // Runs one handler as an event: nothing else is delivered meanwhile, and an exception is
    // reported in a message box with the window enabled again. Returns false if it failed.
    bool dispatch(const std::function<void()>& handler);
    bool busy() const { return m_busy; }

    // Run after every event, failed or not, before the front end redraws: the place for rules that
    // tie controls together whatever handler ran.
    void setAfterEvent(Handler rule) { m_afterEvent = std::move(rule); }
    // Called after each delivered event so a front end can redraw.
    void setChangedCallback(std::function<void()> callback) { m_changed = std::move(callback); }

  private:
    // The timer (1..8) whose tick comes first at or before the moment limit, 0 when none; its
    // moment goes to due.
    int firstDue(long long limit, long long& due) const;
    // Delivers one tick of a timer at its moment as an event: its handler, then the rules after
    // every event. The caller holds the window busy. False when no handler is wired to it.
    bool tick(int number, long long due);
    // Runs a handler and the rules after every event; a failure is reported in a message box and
    // leaves the window enabled. False when it failed.
    bool runEvent(const std::function<void()>& handler);

    Platform& m_platform;
    std::string m_title = "Velmora";
    std::vector<std::unique_ptr<Control>> m_controls;
    std::map<std::pair<std::string, int>, Control*> m_byName;
    std::map<std::string, bool> m_arrays;
    std::array<Timer, kTimers> m_timers;
    std::map<std::string, IndexHandler> m_clickHandlers;
    std::map<int, Handler> m_timerHandlers;
    std::map<std::string, HoverHandler> m_hoverHandlers;
    std::map<std::string, std::function<Buttons()>> m_keyButtons;
    std::map<std::string, std::function<bool()>> m_keyActions;
    const Control* m_focusRequest = nullptr;
    Describer m_describer;
    std::map<std::string, std::string> m_shownFolders; // lower-case folder -> folder drawn instead
    int m_pictureSet = 0;
    bool m_enabled = true;
    bool m_busy = false;
    long long m_now = 0;
    long long m_keysHeldUntil = 0;
    std::function<void()> m_changed;
    Handler m_afterEvent;
};

} // namespace velmora
