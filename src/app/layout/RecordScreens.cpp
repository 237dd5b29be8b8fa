#include "app/layout/Screens.h"

namespace velmora {

// The rankings, calendar and players screens are empty panels until those screens are built.
void buildRecordScreens(Window& w) {
    w.add("Combo6", ControlKind::Combo, &w("Picture4"));
    w.add("Label52", ControlKind::Label, &w("Picture8")).text = "X";
}

} // namespace velmora
