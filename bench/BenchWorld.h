#pragma once

#include <string>

namespace velmora {
class Database;
}

namespace velmora::bench {

// Writes a ready-made world of 2000 players (the human "Rossi Mario" of Italy, skills 0, and 1999
// computer players with ranking points) and the career's key/value rows, as a career in week 1.
void writeWorld(Database& database, int week = 1);

} // namespace velmora::bench
