#include "app/layout/Screens.h"

namespace velmora {

// Rough placement until the dashboard is designed. Label1 items 8..15 sit on this panel too.
void buildDashboardScreen(Window& w) {
    Control* dashboard = &w("Picture2");
    for (int i = 8; i <= 15; ++i) w("Label1", i).panel = dashboard;
    w.add("Image4", ControlKind::Picture, dashboard);
    w.addArray("Label5", 0, 3, ControlKind::Label, dashboard);
    w.addArray("Image5", 0, 3, ControlKind::Picture, dashboard);
    w.addArray("Label6", 0, 3, ControlKind::Label, dashboard);
    w.addArray("Label7", 0, 3, ControlKind::Label, dashboard);
    w.add("Label39", ControlKind::Label, dashboard).text = "Gioca Torneo";
    w.add("Label8", ControlKind::Label, dashboard).text = "Prossima Settimana";
    w.add("Label9", ControlKind::Label, dashboard); // progress bar of the world's week
}

} // namespace velmora
