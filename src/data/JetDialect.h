#pragma once

#include <string>

namespace velmora {

// Turns a statement written in the Jet dialect the game speaks ("delete * from", "SELECT top 8 *")
// into the SQLite form the store runs. Everything else passes unchanged.
std::string translateJet(const std::string& statement);

} // namespace velmora
