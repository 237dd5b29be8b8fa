#include "state/CardGame.h"

#include "data/Quoting.h"
#include "state/StoreColumns.h"

#include <stdexcept>

namespace velmora {

const std::array<CardGame, 3>& cardGames() {
    static const std::array<CardGame, 3> games = {{
        {"Uno", "unopunti", giocatori::kPointsUno, giocatori::kSkillUno, 10, "uno"},
        {"Hearts", "heartspunti", giocatori::kPointsUno + 1, giocatori::kSkillHearts, 13, "52"},
        {"Brisolo", "brisolopunti", giocatori::kPointsUno + 2, giocatori::kSkillBrisolo, 13, "52"},
    }};
    return games;
}

const CardGame* findCardGame(const std::string& name) {
    for (const CardGame& game : cardGames()) {
        if (sameText(name, game.name)) return &game;
    }
    return nullptr;
}

const CardGame& cardGame(const std::string& name) {
    const CardGame* game = findCardGame(name);
    if (!game) throw std::runtime_error("Gioco sconosciuto nel calendario: " + name);
    return *game;
}

} // namespace velmora
