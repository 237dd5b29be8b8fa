#include "career/EventEntry.h"

#include "career/CareerHistory.h"
#include "career/CareerSnapshot.h"
#include "career/Dashboard.h"
#include "career/WeekSimulation.h"
#include "data/Transaction.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "ui/DisabledWindow.h"

namespace velmora {

namespace {
constexpr int kWeeks = 52;
} // namespace

void EventEntry::Label6_Click(int index) {
    // Finals are not entered by hand: the dashboard enters a qualified player by himself.
    if (f.currentWeek >= kFirstFinalWeek) return;
    if (index < 0 || index >= kSlots) return;
    DisabledWindow disabled(f.window());
    if (!Value(f.temp().text("evento")).isEmpty()) return; // one event a week
    const Rows week =
        f.db().query("SELECT * FROM calendario where  settimana=" + std::to_string(f.currentWeek) +
                     " order by importanza asc ");
    if (index > week.last()) return;
    if (week.at(calendario::kFee, index).num() > static_cast<double>(f.playerMoney)) {
        f.platform().messageBox("Non hai abbastanza denaro per partecipare a questo evento.", f.appTitle);
        return;
    }
    const std::string name = week.at(calendario::kEventName, index).str();
    Transaction transaction(f.db());
    f.temp().setText("evento", name);
    transaction.commit();

    f.enteredEvent = name;
    for (int slot = 0; slot < kSlots; ++slot)
        f.c("Label6", slot).visible = false;
    f.c("Label39").visible = true;
    f.c("Label7", index).visible = true;
    f.c("Label8").visible = false;
}

void EventEntry::Label7_Click(int index) {
    (void)index;
    if (f.currentWeek >= kFirstFinalWeek) return;
    DisabledWindow disabled(f.window());
    Transaction transaction(f.db());
    f.temp().setText("evento", "0");
    transaction.commit();

    f.enteredEvent = "0";
    for (int slot = 0; slot < kSlots; ++slot) {
        f.c("Label7", slot).visible = false;
        // Only slots with an enterable event show their host flag.
        f.c("Label6", slot).visible = f.c("Image5", slot).visible;
    }
    f.c("Label8").visible = true;
    f.c("Label39").visible = false;
}

// The world's week and the move to the next one are one change: either both are stored or, on a
// failure, neither, and the window goes back to the week it showed.
void EventEntry::Label8_Click() {
    DisabledWindow disabled(f.window());
    CareerSnapshot snapshot(f);
    snapshot.remember(f.c("Label9"));
    try {
        Transaction transaction(f.db());
        const int livedWeek = f.currentWeek;
        f.weekSimulation().run();
        advanceWeek();
        CareerHistory(f).recordWeek(livedWeek);
        transaction.commit();
    } catch (...) {
        snapshot.restoreAndRefresh();
        throw;
    }
    f.weekCommitted();
}

void EventEntry::storeNextWeek() {
    int week = f.currentWeek + 1;
    if (week == kWeeks + 1) week = 1;
    f.temp().setNumber("settimana", week);
    f.currentWeek = week;
}

void EventEntry::advanceWeek() {
    storeNextWeek();
    f.dashboard().refresh();
}

} // namespace velmora
