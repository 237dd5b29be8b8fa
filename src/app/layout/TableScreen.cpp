#include "app/layout/Screens.h"

namespace velmora {

// Rough placement until the table screen is designed.
void buildTableScreen(Window& w) {
    Control* table = &w("Picture5");
    w.addArray("Label38", 0, 27, ControlKind::Label, table);
    w.addArray("Image12", 0, 3, ControlKind::Picture, table);
    w.addArray("Label40", 0, 3, ControlKind::Label, table);
    w.addArray("Image9", 0, 4, ControlKind::Picture, table);
    w.addArray("Image10", 0, 3, ControlKind::Picture, table);
    w.addArray("Image11", 0, 29, ControlKind::Picture, table);
    w.add("Image13", ControlKind::Picture, table);
    w.addArray("Image14", 0, 3, ControlKind::Picture, table);
    w.addArray("Image15", 0, 19, ControlKind::Picture, table);
    w.add("Shape1", ControlKind::Shape, table); // the turn marker
    w.add("Label41", ControlKind::Label, table); // leave the table
    w.add("Label42", ControlKind::Label, table).text = "INIZIA";
    w.add("Label43", ControlKind::Label, table); // colour in force
    w.add("Label44", ControlKind::Label, table).text = "Passa";
    w.add("Label45", ControlKind::Label, table).text = "I";
    w.addArray("Label48", 0, 3, ControlKind::Label, table);
    w.add("Label49", ControlKind::Label, table).text = "PROSSIMO TURNO";
    w.add("Label54", ControlKind::Label, table).text = "Passa 3 carte - destra";
    w.add("Combo7", ControlKind::Combo, table);

    Control* rules = &w("Picture6");
    w.add("Label46", ControlKind::Label, rules);
    w.add("Label47", ControlKind::Label, rules).text = "X";
}

} // namespace velmora
