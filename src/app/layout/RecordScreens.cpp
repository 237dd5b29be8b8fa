#include "app/layout/Look.h"
#include "app/layout/Screens.h"

namespace velmora {

namespace {

void screenTitle(Window& w, int index, const char* text) {
    Control& title = w("Label2", index);
    title.text = text;
    look::place(title, 600, 260, 12000, 720);
    look::caption(title, 22, true, look::kGold);
    title.wordWrap = false;
}

} // namespace

// Picture3, Picture4, Picture8: the world rankings, the calendar with its week list and the players
// screen with its close button. Each opens with its title in the top-left corner.
void buildRecordScreens(Window& w) {
    w.addArray("Label2", 20, 20, ControlKind::Label, &w("Picture3"));
    screenTitle(w, 20, "Classifiche Mondiali");

    Control* calendar = &w("Picture4");
    w.addArray("Label2", 21, 22, ControlKind::Label, calendar);
    screenTitle(w, 21, "Calendario");
    Control& week = w("Label2", 22);
    week.text = "Settimana";
    look::place(week, 600, 1240, 1900, 400);
    look::caption(week, 13, true, look::kIvory);
    Control& weeks = w.add("Combo6", ControlKind::Combo, calendar);
    look::place(weeks, 2500, 1180, 1400, 460);
    weeks.font = {"DejaVu Sans", 13, false, false};
    weeks.backTransparent = false;
    weeks.backColor = 0xFFFFFF;
    weeks.foreColor = look::kInk;

    Control* players = &w("Picture8");
    w.addArray("Label2", 23, 23, ControlKind::Label, players);
    screenTitle(w, 23, "Giocatori");
    Control& close = w.add("Label52", ControlKind::Label, players);
    close.text = "X";
    look::place(close, kWindowWidth - 600 - 620, 300, 620, look::lineHeight(16) + 40);
    look::pill(close, 16, 0x8C2F2F, look::kIvory, look::kGold);
}

} // namespace velmora
