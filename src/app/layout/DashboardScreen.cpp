#include "app/layout/Screens.h"

namespace velmora {

// Not designed yet.
void buildDashboardScreen(Window& w) { (void)w; }

} // namespace velmora
