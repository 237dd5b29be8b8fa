#include "tournament/RoundSkip.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"
#include "tournament/TableFlow.h"
#include "ui/DisabledWindow.h"

namespace velmora {

bool RoundSkip::available() {
    GameTable* game = f.gameTable();
    if (!game || !f.tableFlow().playRunning() || f.tableCount <= 0) return false;
    if (f.window().nextDue() < 0) return false; // nothing would move: a table left or not yet started
    // His part is over once his table has decided about him, or once the last card of his hand is
    // down (still on its way to the pile, or while his table plays its last trick).
    int held = -game->humanCardsOnTheirWay();
    for (const Card& card : f.seatHand[3])
        held += card.empty() ? 0 : 1;
    return game->humanTableVerdict() != 0 || held <= 0;
}

void RoundSkip::refresh() {
    if (Control* button = f.window().find("Label55")) button->visible = available();
}

void RoundSkip::Label55_Click() {
    // A second click queued behind the first finds the round closed and does nothing.
    if (!available()) return;
    DisabledWindow disabled(f.window());
    f.window().playOn([this] { return f.roundClosed; }, kMaxTicks);
}

} // namespace velmora
