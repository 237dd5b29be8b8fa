#include "career/Strength.h"

#include "data/Rows.h"
#include "data/Value.h"

namespace velmora {

int playerStrength(const Rows& players, int row, const CardGame& game) {
    long long strength = 0;
    for (const CardGame& other : cardGames()) {
        const double skill = players.at(other.skillIndex, row).num();
        strength += &other == &game ? roundEven(skill * 2) : roundEven(skill / 3 * 2);
    }
    return static_cast<int>(strength);
}

} // namespace velmora
