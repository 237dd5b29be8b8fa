#pragma once

#include <string>

namespace velmora {

// A card as a player says it aloud, from its card code: "Asso di cuori", "Donna di picche",
// "10 di fiori", "Rosso 7", "Verde +2", "Blu cambia giro", "Giallo salta turno",
// "Jolly cambia colore", "+4". "" for a code that names no card ("dietro", a back, is never read).
std::string spokenCard(const std::string& code);

// The card code of a card picture path ("\immagini\uno\7rosso.jpg" gives "7rosso"), "" when the
// path is no card face of either deck.
std::string cardCodeOfPicture(const std::string& path);

} // namespace velmora
