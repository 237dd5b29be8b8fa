#include "tournament/BackgroundTables.h"

#include "app/Form1.h"
#include "tournament/StandingsBoard.h"

namespace velmora {

void BackgroundTables::refreshStandings() {
    StandingsBoard(f).draw();
}

void BackgroundTables::Combo7_Click() {
    refreshStandings();
}

} // namespace velmora
