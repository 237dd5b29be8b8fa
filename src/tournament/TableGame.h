#pragma once

#include <string>

namespace velmora {

// The three games a table can play; the frame branches on it wherever the games differ.
enum class TableGame { Uno, Brisolo, Hearts, None };

// The game named by the tournament's calendar row ("Uno", "Brisolo", "Hearts").
inline TableGame tableGame(const std::string& currentGame) {
    if (currentGame == "Uno") return TableGame::Uno;
    if (currentGame == "Brisolo") return TableGame::Brisolo;
    if (currentGame == "Hearts") return TableGame::Hearts;
    return TableGame::None;
}

} // namespace velmora
