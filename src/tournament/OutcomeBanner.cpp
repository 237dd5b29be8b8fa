#include "tournament/OutcomeBanner.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"

namespace velmora {

namespace {

// "al 33° posto", but "all'8° posto" and "all'11° posto", whose words start with a vowel.
std::string atPlace(long place) {
    const bool vowel =
        place == 8 || place == 11 || (place >= 80 && place <= 89) || (place >= 800 && place <= 899);
    return (vowel ? "all'" : "al ") + std::to_string(place) + "° posto";
}

} // namespace

std::string OutcomeBanner::text(int verdict, int qualifiers, int place) {
    if (qualifiers == 2 && place > 0) {
        if (place == 1) return "CAMPIONE!\nHai vinto il torneo";
        return "FINALE CONCLUSA\nChiudi il torneo " + atPlace(place);
    }
    if (verdict > 0) return "QUALIFICATO!\nPassi al turno successivo";
    // The losers of a round are stored, paid and ranked at the place just below those who go on:
    // out among the last 32 of 64 is the 33rd place.
    return "ELIMINATO\nChiudi il torneo " + atPlace(recordedPosition(qualifiers));
}

std::string OutcomeBanner::sound(int verdict, int qualifiers, int place) {
    if (qualifiers == 2 && place > 0) return place == 1 ? "campione" : "finale-posto";
    return verdict > 0 ? "qualificato" : "eliminato";
}

void OutcomeBanner::refresh() {
    Control* banner = f.window().find("Label56");
    if (!banner) return;
    GameTable* game = f.gameTable();
    // A table laid out afresh ("INIZIA" showing) has nothing decided yet.
    if (!game || !f.c("Picture5").visible || f.c("Picture7").visible || f.c("Label42").visible) {
        m_told = false;
        hide();
        banner->text.clear();
        return;
    }
    // Once told, it stays until he puts it away or the next table is laid out, whatever the pace.
    if (m_told) return;
    const int verdict = game->humanTableVerdict();
    if (verdict == 0) return;
    int place = 0;
    if (f.qualifierCount == 2) {
        // A final is told by the place taken, known once his table has settled it.
        const EntrantRow* human = f.tableFlow().humanRow();
        place = human ? static_cast<int>((*human)[entrant::kPlaceGroup].num()) : 0;
        if (place <= 0) return;
    }
    banner->text = text(verdict, f.qualifierCount, place);
    banner->visible = true;
    m_told = true;
    f.platform().sound(sound(verdict, f.qualifierCount, place));
}

void OutcomeBanner::Label56_Click() {
    hide();
}

void OutcomeBanner::hide() {
    if (Control* banner = f.window().find("Label56")) banner->visible = false;
}

} // namespace velmora
