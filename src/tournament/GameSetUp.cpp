#include "tournament/GameSetUp.h"

#include "app/Form1.h"
#include "tournament/GameTable.h"

namespace velmora {

void setUpGameTable(Form1& f) {
    if (GameTable* game = f.gameTable()) game->setUp();
}

} // namespace velmora
