#pragma once

namespace velmora {

class GameContext;

// Hands a freshly seated round over to the table set-up of the current game, which groups the
// entrants by table, deals and lays out the table screen.
void setUpGameTable(GameContext& f);

} // namespace velmora
