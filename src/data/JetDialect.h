#pragma once

#include <string>

namespace velmora {

// Turns a statement written in the Jet dialect the game speaks ("delete * from", "SELECT top 8 *")
// into the SQLite form the store runs. Everything else passes unchanged.
std::string translateJet(const std::string& statement);

// The same without a copy for the statements that need no change: true, with the SQLite form in
// sql, only for a "delete * from" or a "select top N" statement.
bool translateJet(const std::string& statement, std::string& sql);

} // namespace velmora
