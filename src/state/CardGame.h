#pragma once

#include <array>
#include <string>

namespace velmora {

// One card game of the circuit, as the store, the rankings and the table know it.
struct CardGame {
    const char* name;         // as calendario "gioco" and tornei "tipo" write it
    const char* pointsColumn; // the giocatori column of its ranking points
    int pointsIndex;          // that column's place in a giocatori row
    int skillIndex;           // the place of the players' skill at it
    int handSize;             // cards dealt to each player of a table
    const char* deckFolder;   // the folder of its card pictures under "\immagini\"
};

// The three games in the order of their giocatori columns: Uno, Hearts, Brisolo.
const std::array<CardGame, 3>& cardGames();
// The game a calendar row or a result names (letter case ignored), or null for none of the three.
const CardGame* findCardGame(const std::string& name);
// The same, for a name that must be a game: throws, naming it, when it is none of the three.
const CardGame& cardGame(const std::string& name);

} // namespace velmora
