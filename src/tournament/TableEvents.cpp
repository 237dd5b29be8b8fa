#include "tournament/TableEvents.h"

#include "state/GameContext.h"
#include "tournament/TableEventWords.h"

#include <array>

namespace velmora {

void TableEvents::raise(TableEvent event) {
    using Kind = TableEvent::Kind;
    if (event.kind == Kind::Deal) {
        m_lines.clear();
        m_lastLaid = -1;
    }
    if (event.kind == Kind::CardLaid) m_lastLaid = event.seat;
    if (event.kind == Kind::PenaltyDraw && event.other < 0) event.other = m_lastLaid;
    std::array<std::string, 4> surnames;
    for (int seat = 0; seat < 4; ++seat)
        surnames[static_cast<size_t>(seat)] = f.seatNames[static_cast<size_t>(seat)][entrant::kSurname].str();
    event.line = tableEventLine(event, f.currentGame, surnames);
    if (!event.line.empty()) {
        m_lines.push_front(event.line);
        if (m_lines.size() > kLines) m_lines.pop_back();
    }
    show();
    f.platform().tableEvent(event);
}

void TableEvents::show() {
    Control* log = f.window().find("Label70");
    if (!log) return;
    std::string text;
    for (const std::string& line : m_lines)
        text += (text.empty() ? "" : "\n") + line;
    log->text = text;
}

} // namespace velmora
