#include "tournament/BackgroundTables.h"

#include "state/GameContext.h"
#include "tournament/StandingsBoard.h"

namespace velmora {

void BackgroundTables::refreshStandings() {
    StandingsBoard(f).draw();
}

void BackgroundTables::Combo7_Click() {
    refreshStandings();
}

} // namespace velmora
