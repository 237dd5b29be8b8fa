#include "tournament/BackgroundTables.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void BackgroundTables::Timer2_Timer() {
}

void BackgroundTables::Timer5_Timer() {
}

void BackgroundTables::Timer8_Timer() {
}

void BackgroundTables::refreshStandings() {
}

void BackgroundTables::Combo7_Click() {
}

} // namespace velmora
