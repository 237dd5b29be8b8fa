#include "app/layout/Screens.h"

namespace velmora {

// Not designed yet.
void buildRecordScreens(Window& w) { (void)w; }

} // namespace velmora
