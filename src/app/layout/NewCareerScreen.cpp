#include "app/layout/Screens.h"

namespace velmora {

// Rough placement until the new-career form is designed.
void buildNewCareerScreen(Window& w) {
    Control* form = &w("Picture1");
    w.addArray("Text1", 0, 1, ControlKind::TextBox, form);
    w.addArray("Combo1", 0, 1, ControlKind::Combo, form);
    w.add("Image3", ControlKind::Picture, form);
    w.addArray("Label3", 0, 1, ControlKind::Label, form);
    w.add("Label4", ControlKind::Label, form).text = "Attendere Nuova Partita.....";
}

} // namespace velmora
