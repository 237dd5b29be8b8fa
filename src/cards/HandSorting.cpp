#include "cards/HandSorting.h"

namespace velmora {

// Not built yet.
void sortUnoHand(Hand& hand) { (void)hand; }
void sortFrenchHand(Hand& hand, const std::string& game) {
    (void)hand;
    (void)game;
}

} // namespace velmora
