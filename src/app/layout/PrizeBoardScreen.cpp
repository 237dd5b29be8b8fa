#include "app/layout/Screens.h"

namespace velmora {

// Not designed yet.
void buildPrizeBoardScreen(Window& w) { (void)w; }

} // namespace velmora
