#include "career/PrizeMoney.h"

#include "career/CareerSnapshot.h"
#include "career/Dashboard.h"
#include "career/EventEntry.h"
#include "career/TierTable.h"
#include "career/WeekSimulation.h"
#include "data/Transaction.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "ui/DisabledWindow.h"

namespace velmora {

// A player out in a round is recorded just below the players who went through (out in the first
// round of 64: place group 32, position 33), and is paid the prize of that recorded position, so
// the prize board, the money and the stored result agree.
long PrizeMoney::prizeFor(long placeGroup) {
    const TierTable tiers(f.db(), f.eventRows.at(calendario::kImportance, 0));
    const int tier = tiers.lastCovering(recordedPosition(placeGroup));
    return tier >= 0 ? tiers.prize(tier) : 0;
}

// Fee, prize, the world's week and the move to the next week are one change: on a failure none of
// them is stored and the prize board stays open to be closed again.
void PrizeMoney::Label50_Click() {
    DisabledWindow disabled(f.window());
    CareerSnapshot snapshot(f);
    for (const char* name : {"Label39", "Picture7", "Picture5", "Label9"})
        snapshot.remember(f.c(name));
    snapshot.remember(f.c("Label1", 13));
    try {
        Transaction transaction(f.db());
        const long prize = prizeFor(static_cast<long>(f.roundPlayers[0][entrant::kPlaceGroup].toInt()));
        // The fee is charged here, once, however many rounds were played.
        const long fee = static_cast<long>(f.eventRows.at(calendario::kFee, 0).toInt());
        // His places as they stand before the world's week, for the week's report.
        f.dashboard().rankingPositions();
        f.playerMoney = f.playerMoney - fee + prize;
        f.c("Label1", 13).text = "€" + numberText(static_cast<double>(f.playerMoney));
        f.temp().setNumber("tuodenaro", static_cast<double>(f.playerMoney));

        f.c("Label39").visible = false;
        f.c("Picture7").visible = false;
        f.c("Picture5").visible = false;

        const LivedWeek lived =
            f.eventEntry().closeWeek([prize](CareerHistory& history) { history.recordTournament(prize); });
        f.eventEntry().showWeekEnd(lived, 1);
        transaction.commit();
    } catch (...) {
        snapshot.restoreAndRefresh();
        throw;
    }
    f.weekCommitted();
}

} // namespace velmora
