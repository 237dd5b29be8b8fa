#pragma once

#include "ui/Platform.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// A platform without a screen: a virtual clock moved on by hand, message boxes recorded instead of
// shown, and questions answered as told (with their last button, No or the cancelling one, when
// nothing was said). Used by the headless driver and the tests.
class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(std::string appFolder) : m_appFolder(std::move(appFolder)) {}

    void messageBox(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    int askChoice(const std::string& text, const std::string& title, const std::vector<std::string>& answers) override;
    void yield() override { ++m_yields; }
    std::string appFolder() const override { return m_appFolder; }
    std::string shippedDatabase() const override { return m_shipped; }
    void setShippedDatabase(std::string path) { m_shipped = std::move(path); }
    long long nowMs() const override { return m_now; }
    void quit() override { m_quit = true; }
    // Announcements are kept to be read back.
    void announce(const std::string& text) override { m_announcements.push_back(text); }
    // The announcements made since the last call.
    std::vector<std::string> takeAnnouncements();
    // Sounds are kept to be read back, never played.
    void sound(const std::string& name) override { m_sounds.push_back(name); }
    // The sounds raised since the last call, in order.
    std::vector<std::string> takeSounds();
    // Choices are kept for this run only: a script never touches the player's own settings.
    std::string preference(const std::string& key) const override;
    void setPreference(const std::string& key, const std::string& value) override { m_preferences[key] = value; }
    void tableEvent(const TableEvent& event) override {
        if (m_keepTableEvents) m_tableEvents.push_back(event);
        Platform::tableEvent(event);
    }

    void setNow(long long now) { m_now = now; }
    // The answer to the next Yes/No question only.
    void answerNext(bool yes) { m_nextAnswer = yes ? 0 : 1; }
    // The button (0 the first) chosen at the next question only; Yes is the first of a Yes/No
    // question and No the second.
    void answerNextWith(int button) { m_nextAnswer = button; }
    // Texts of the message boxes and questions shown since the last call.
    std::vector<std::string> takeMessages();
    const std::string& lastTitle() const { return m_lastTitle; }
    int yields() const { return m_yields; }
    bool quitRequested() const { return m_quit; }
    // Keeps the table's events from now on (a long session keeps none), for takeTableEvents.
    void keepTableEvents() { m_keepTableEvents = true; }
    std::vector<TableEvent> takeTableEvents() { return std::exchange(m_tableEvents, {}); }

private:
    std::string m_appFolder;
    std::string m_shipped;
    long long m_now = 0;
    int m_nextAnswer = -1;
    std::vector<std::string> m_messages;
    std::string m_lastTitle;
    int m_yields = 0;
    bool m_quit = false;
    std::map<std::string, std::string> m_preferences;
    std::vector<std::string> m_announcements;
    std::vector<std::string> m_sounds;
    bool m_keepTableEvents = false;
    std::vector<TableEvent> m_tableEvents;
};

} // namespace velmora
