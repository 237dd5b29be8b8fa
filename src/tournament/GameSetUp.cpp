#include "tournament/GameSetUp.h"

#include "state/GameContext.h"
#include "tournament/GameTable.h"

namespace velmora {

void setUpGameTable(GameContext& f) {
    if (GameTable* game = f.gameTable()) game->setUp();
}

} // namespace velmora
