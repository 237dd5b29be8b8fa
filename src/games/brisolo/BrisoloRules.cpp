#include "games/brisolo/BrisoloRules.h"

namespace velmora {

int BrisoloRules::cardPoints(const Card& card) {
    return card.value.isEmpty() ? 0 : static_cast<int>(card.value.toInt());
}

int BrisoloRules::startingSeat(RandomSequence& random) {
    return static_cast<int>(random.upTo(3));
}

} // namespace velmora
