#include "career/Dashboard.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void Dashboard::refresh() {
}

void Dashboard::rankingPositions() {
}

} // namespace velmora
