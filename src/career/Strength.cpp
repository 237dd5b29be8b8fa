#include "career/Strength.h"

#include "state/StoreColumns.h"
#include "career/PlayerKey.h"
#include "data/Rows.h"
#include "data/Value.h"

#include <stdexcept>

namespace velmora {

bool findCareerGame(const std::string& name, CareerGame& game) {
    if (sameText(name, "Uno")) {
        game = CareerGame::Uno;
    } else if (sameText(name, "Hearts")) {
        game = CareerGame::Hearts;
    } else if (sameText(name, "Brisolo")) {
        game = CareerGame::Brisolo;
    } else {
        return false;
    }
    return true;
}

CareerGame careerGame(const std::string& name) {
    CareerGame game;
    if (!findCareerGame(name, game)) throw std::runtime_error("Gioco sconosciuto nel calendario: " + name);
    return game;
}

int pointsColumn(CareerGame game) {
    return giocatori::kPointsUno + static_cast<int>(game);
}

int playerStrength(const Rows& players, int row, CareerGame game) {
    const double uno = players.at(giocatori::kSkillUno, row).num();
    const double hearts = players.at(giocatori::kSkillHearts, row).num();
    const double brisolo = players.at(giocatori::kSkillBrisolo, row).num();
    auto third = [](double skill) { return roundEven(skill / 3 * 2); };
    switch (game) {
    case CareerGame::Uno:
        return static_cast<int>(third(hearts) + roundEven(uno * 2) + third(brisolo));
    case CareerGame::Hearts:
        return static_cast<int>(third(uno) + roundEven(hearts * 2) + third(brisolo));
    case CareerGame::Brisolo:
        return static_cast<int>(third(hearts) + roundEven(brisolo * 2) + third(uno));
    }
    return 0;
}

} // namespace velmora
