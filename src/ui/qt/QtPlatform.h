#pragma once

#include "ui/Platform.h"
#include "ui/qt/TableSpeed.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>

namespace velmora {

// The platform of the desktop game: real message boxes, the Qt event loop, the game's folders and a
// monotonic clock.
class QtPlatform : public Platform {
  public:
    QtPlatform();

    // An OK message box titled as given, over the game's window.
    void messageBox(const std::string& text, const std::string& title) override;
    // A question with Yes and No buttons; No is the default, since the game only asks before
    // throwing work away.
    bool askYesNo(const std::string& text, const std::string& title) override;
    int askChoice(const std::string& text, const std::string& title, const std::vector<std::string>& answers) override;
    // Repaints what changed and handles pending window-system events, but no clicks or keys.
    // Calls closer together than a frame do nothing, so tight loops that yield stay fast.
    void yield() override;
    // The folder of the executable unless other folders were set.
    std::string appFolder() const override;
    std::string careerFolder() const override;
    std::string shippedDatabase() const override { return m_shipped; }
    // The table clock: the wall clock at the pace the player chose for the table.
    long long nowMs() const override { return m_speed.nowMs(); }
    TableSpeed& speed() { return m_speed; }
    // Ends the event loop once the running handler returns (also when called before it started).
    void quit() override;
    // Hands the line to the window, which raises it for the desktop's screen reader.
    void announce(const std::string& text) override {
        if (m_announcer) m_announcer(text);
    }
    void setAnnouncer(std::function<void(const std::string&)> announcer) { m_announcer = std::move(announcer); }
    // Hands the sound to the window's player, which plays it once the running event is over.
    void sound(const std::string& name) override {
        if (m_sounds) m_sounds(name);
    }
    void setSoundPlayer(std::function<void(const std::string&)> player) { m_sounds = std::move(player); }
    // The user's settings of the desktop (QSettings), where the game's choices outlive the run.
    std::string preference(const std::string& key) const override;
    void setPreference(const std::string& key, const std::string& value) override;

    // Where the pictures and the career are, when not beside the executable (an installed game).
    void setFolders(std::string pictures, std::string career, std::string shipped = "") {
        m_pictures = std::move(pictures);
        m_career = std::move(career);
        m_shipped = std::move(shipped);
    }
    // The window dialogs are centred on.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }
    // What a yield does before handling events (bring the screen up to date).
    void setBeforeYield(std::function<void()> refresh) { m_beforeYield = std::move(refresh); }
    bool quitRequested() const { return m_quitRequested; }
    // Yields that handled events so far.
    long long yields() const { return m_yields; }

  private:
    static constexpr long long kFrameMs = 15;

    QElapsedTimer m_clock; // the wall clock, for repainting
    TableSpeed m_speed;
    std::string m_pictures;
    std::string m_career;
    std::string m_shipped;
    QPointer<QWidget> m_dialogParent;
    std::function<void()> m_beforeYield;
    std::function<void(const std::string&)> m_announcer;
    std::function<void(const std::string&)> m_sounds;
    long long m_lastYield = -1000;
    bool m_quitRequested = false;
    long long m_yields = 0;
};

} // namespace velmora
