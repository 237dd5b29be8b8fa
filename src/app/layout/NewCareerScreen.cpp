#include "app/layout/Screens.h"

namespace velmora {

// Not designed yet.
void buildNewCareerScreen(Window& w) { (void)w; }

} // namespace velmora
