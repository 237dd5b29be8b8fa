#include "app/layout/Screens.h"

namespace velmora {

// Not designed yet.
void buildTableScreen(Window& w) { (void)w; }

} // namespace velmora
