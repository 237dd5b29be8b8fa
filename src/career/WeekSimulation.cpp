#include "career/WeekSimulation.h"

#include "app/Form1.h"

namespace velmora {

// Not built yet.
void WeekSimulation::run() {
}

} // namespace velmora
