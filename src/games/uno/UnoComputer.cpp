#include "games/uno/UnoComputer.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void UnoComputer::Timer3_Timer() {
}

} // namespace velmora
