#include "ui/ScriptedPlatform.h"

namespace velmora {

void ScriptedPlatform::messageBox(const std::string& text, const std::string& title) {
    m_messages.push_back(text);
    m_lastTitle = title;
}

bool ScriptedPlatform::askYesNo(const std::string& text, const std::string& title) {
    m_messages.push_back(text);
    m_lastTitle = title;
    const bool yes = m_nextAnswer == 0;
    m_nextAnswer = -1;
    return yes;
}

int ScriptedPlatform::askChoice(const std::string& text, const std::string& title,
                                const std::vector<std::string>& answers) {
    // The buttons are part of what the player reads: they follow the question, one per line.
    std::string shown = text;
    for (size_t i = 0; i < answers.size(); ++i)
        shown += "\n[" + std::to_string(i + 1) + "] " + answers[i];
    m_messages.push_back(shown);
    m_lastTitle = title;
    const int last = static_cast<int>(answers.size()) - 1;
    const int chosen = m_nextAnswer >= 0 && m_nextAnswer <= last ? m_nextAnswer : last;
    m_nextAnswer = -1;
    return chosen;
}

std::string ScriptedPlatform::preference(const std::string& key) const {
    auto found = m_preferences.find(key);
    return found == m_preferences.end() ? std::string() : found->second;
}

std::vector<std::string> ScriptedPlatform::takeAnnouncements() {
    std::vector<std::string> taken;
    taken.swap(m_announcements);
    return taken;
}

std::vector<std::string> ScriptedPlatform::takeSounds() {
    std::vector<std::string> taken;
    taken.swap(m_sounds);
    return taken;
}

std::vector<std::string> ScriptedPlatform::takeMessages() {
    std::vector<std::string> taken;
    taken.swap(m_messages);
    return taken;
}

} // namespace velmora
