#pragma once

#include "data/Quoting.h"

#include <string>

namespace velmora {

// The identity of a player as the store sees it: surname and first name compared without regard
// to the case of the letters A-Z (the store's text comparison), so two names that one UPDATE
// "WHERE cognome= .. and nome= .." would both hit give the same key.
std::string playerKey(const std::string& surname, const std::string& firstName);


// True for a name the tables cannot hold: empty, the "0" that marks an empty cell, or nothing but
// characters that show nothing (any kind of space, control, zero-width or format character).
bool unusableName(const std::string& name);

} // namespace velmora
