#include "career/TournamentSummary.h"

#include "career/Dashboard.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"

namespace velmora {

std::string TournamentSummary::worldPosition() {
    const std::string& lines = f.c("Label1", 15).text;
    return lines.substr(0, lines.find('\n'));
}

void TournamentSummary::begin(long fee, long prize) {
    m_fee = fee;
    m_prize = prize;
    f.dashboard().rankingPositions();
    m_positionBefore = worldPosition();
}

void TournamentSummary::show(long pointsWon) {
    const std::string event = f.eventRows.at(calendario::kEventName, 0).str();
    Control& summary = f.c("Label57");
    summary.text = "Ultimo torneo: " + event + "\nIscrizione €" + std::to_string(m_fee) + "  -  Premio €" +
                   std::to_string(m_prize) + "  -  Punti vinti " + std::to_string(pointsWon) +
                   "\nPosizione mondiale: prima " + m_positionBefore + ", ora " + worldPosition();
    summary.visible = true;
    m_week = f.currentWeek;
}

void TournamentSummary::keepForItsWeek() {
    Control* summary = f.window().find("Label57");
    if (!summary || !summary->visible) return;
    if (f.currentWeek != m_week || !f.c("Picture2").visible) summary->visible = false;
}

} // namespace velmora
