#include "tournament/GameSetUp.h"

#include "state/GameContext.h"
#include "tournament/BoardLegend.h"
#include "tournament/GameTable.h"
#include "tournament/Scoreboard.h"

namespace velmora {

void setUpGameTable(GameContext& f) {
    // The captions one game puts beside its numbers go with its table.
    Window& w = f.window();
    if (Control* caption = w.find("Label82")) caption->visible = false;
    for (int seat = 0; seat < 4; ++seat) {
        if (Control* caption = w.find("Label83", seat)) caption->visible = false;
        if (Control* counter = w.find("Label40", seat)) counter->toolTip.clear();
    }
    if (GameTable* game = f.gameTable()) game->setUp();
    // The rule sheet explains the boards' columns in the words of their tooltips.
    if (Control* legend = w.find("Label86"))
        legend->text = "Colonne dei tabelloni\n\n" + BoardLegend::legend(f.c("Label38", board::kHeader).text);
}

} // namespace velmora
