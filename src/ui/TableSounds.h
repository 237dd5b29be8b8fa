#pragma once

#include "ui/TableEvent.h"

#include <string>
#include <vector>

namespace velmora {

// The sounds of a moment at the human's table, in the order they are heard (a deal is a shuffle,
// then the cards going round); none for a moment that makes no sound.
std::vector<std::string> tableSounds(const TableEvent& event);

} // namespace velmora
