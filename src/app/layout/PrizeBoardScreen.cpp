#include "app/layout/Screens.h"

namespace velmora {

// Rough placement until the prize board is designed.
void buildPrizeBoardScreen(Window& w) {
    Control* board = &w("Picture7");
    w.add("Image16", ControlKind::Picture, board);
    w.addArray("Label40", 5, 13, ControlKind::Label, board);
    w.addArray("Image17", 0, 63, ControlKind::Picture, board);
    w.add("Combo8", ControlKind::Combo, board);
    w.add("Label50", ControlKind::Label, board);
}

} // namespace velmora
