#pragma once

#include "ui/Platform.h"

#include <string>
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

private:
    std::string m_appFolder;
    std::string m_shipped;
    long long m_now = 0;
    int m_nextAnswer = -1;
    std::vector<std::string> m_messages;
    std::string m_lastTitle;
    int m_yields = 0;
    bool m_quit = false;
};

} // namespace velmora
