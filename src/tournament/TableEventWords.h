#pragma once

#include "ui/TableEvent.h"

#include <array>
#include <string>

namespace velmora {

// The line the table's log writes for an event, in the game's words: the computer seats by their
// surnames, the human spoken to ("peschi 2", "Prendi la mano"). Empty for an event that another
// line has already told (the +2 or +4 itself is told with the draw it causes).
std::string tableEventLine(const TableEvent& event, const std::string& game,
                           const std::array<std::string, 4>& surnames);

// A card in words: "il Re di picche", "l'8 di cuori", "7 rosso", "+2", "cambio colore".
std::string cardWords(const std::string& code);

} // namespace velmora
