#include "ui/ScriptedPlatform.h"

namespace velmora {

void ScriptedPlatform::messageBox(const std::string& text, const std::string& title) {
    m_messages.push_back(text);
    m_lastTitle = title;
}

bool ScriptedPlatform::askYesNo(const std::string& text, const std::string& title) {
    m_messages.push_back(text);
    m_lastTitle = title;
    const bool yes = m_nextAnswer == 1;
    m_nextAnswer = -1;
    return yes;
}

std::vector<std::string> ScriptedPlatform::takeMessages() {
    std::vector<std::string> taken;
    taken.swap(m_messages);
    return taken;
}

} // namespace velmora
