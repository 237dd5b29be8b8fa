#pragma once

namespace velmora {

class Form1;

// Hands a freshly seated round over to the table set-up of the current game, which groups the
// entrants by table, deals and lays out the table screen.
void setUpGameTable(Form1& f);

} // namespace velmora
