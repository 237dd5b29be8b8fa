#include "tournament/HandDisplay.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void HandDisplay::showUnoHand() {
}

void HandDisplay::showFrenchHand() {
}

} // namespace velmora
