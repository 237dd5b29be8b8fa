#include "tournament/RoundSkip.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"
#include "tournament/Scoreboard.h"
#include "tournament/TableFlow.h"
#include "ui/DisabledWindow.h"

namespace velmora {

bool RoundSkip::available() {
    if (!f.tableFlow().playRunning() || f.tableCount <= 0) return false;
    if (f.window().nextDue() < 0) return false; // nothing would move: a table left or not yet started
    // His part is over once the waiting notice is up, or once the last card of his hand is down
    // while his table plays its last trick.
    bool handPlayedOut = true;
    for (const Card& card : f.seatHand[3])
        handPlayedOut = handPlayedOut && card.empty();
    return f.c("Label38", board::kNotice).visible || handPlayedOut;
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
