#include "app/layout/Look.h"
#include "app/layout/Screens.h"

#include <string>

namespace velmora {

namespace {

// The ranking grid: twelve lines, three (world, continent, nation) for each of the four rankings.
constexpr double kGridPoints = 16;
constexpr int kGridTop = 4900;
constexpr int kGridLeft = 300;
constexpr int kGridWidth = 8900;

// The event list: four slots on the event board.
constexpr int kBoardLeft = 9500;
constexpr int kBoardWidth = 18380;
constexpr int kSlotTop = 1300;
constexpr int kSlotPitch = 2100;
constexpr int kSlotHeight = 1950;
constexpr int kBadgeSize = 860; // the round badge of the event's game
constexpr int kWeeksBarWidth = 5800; // the progress bar of several weeks, when full

} // namespace

void buildWeekReport(Window& w, Control* dashboard);

namespace {

} // namespace

// Picture2: the player's card and ranking grid on the left, the week's events on the right, the
// buttons to play the entered tournament or to go on to the next week beneath them.
void buildDashboardScreen(Window& w) {
    Control* dashboard = &w("Picture2");

    // Player card.
    look::card(w, "Shape24", dashboard, kGridLeft, 300, kGridWidth, 2900, look::kIvory, look::kBrass, 360);
    Control& flag = w.add("Image4", ControlKind::Picture, dashboard);
    look::place(flag, 640, 640, 2400, 1800); // flags are 4:3
    flag.stretch = true;
    flag.border = true;
    flag.borderColor = look::kInk;

    // Ranking grid, with a stripe behind the first and third ranking.
    look::card(w, "Shape25", dashboard, kGridLeft, 3450, kGridWidth, 6350, look::kIvory, look::kBrass, 360);
    const int line = look::lineHeight(kGridPoints);
    look::card(w, "Shape26", dashboard, kGridLeft + 150, kGridTop - 40, kGridWidth - 300, 3 * line + 60,
               look::kIvoryStripe, look::kIvoryStripe, 160);
    look::card(w, "Shape27", dashboard, kGridLeft + 150, kGridTop + 6 * line - 40, kGridWidth - 300,
               3 * line + 60, look::kIvoryStripe, look::kIvoryStripe, 160);

    // Event board, with one stripe per event slot (shown with the slot's event).
    look::card(w, "Shape30", dashboard, kBoardLeft, 300, kBoardWidth, 9500, look::kDeepFelt, look::kBrass,
               360);
    for (int slot = 0; slot < 4; ++slot) {
        const std::uint32_t fill = slot % 2 == 0 ? look::kStripeFelt : look::kStripeFeltDark;
        look::card(w, ("Shape" + std::to_string(31 + slot)).c_str(), dashboard, kBoardLeft + 200,
                   kSlotTop + slot * kSlotPitch, kBoardWidth - 400, kSlotHeight, fill, fill, 240);
    }

    // Captions of Label1 that live on the dashboard.
    w.addArray("Label1", 8, 15, ControlKind::Label, dashboard);
    Control& name = w("Label1", 8);
    look::place(name, 3340, 600, 5700, 560);
    look::caption(name, 17, true, look::kInk);
    name.wordWrap = false;
    Control& age = w("Label1", 9);
    age.text = "Eta'";
    look::place(age, 3340, 1230, 5700, 400);
    look::caption(age, 12.5, false, look::kMutedInk);
    Control& money = w("Label1", 13);
    look::place(money, 3340, 1760, 5700, 640);
    look::caption(money, 21, true, look::kMoney);
    money.wordWrap = false;

    Control& rankings = w("Label1", 10);
    rankings.text = "Classifiche";
    look::place(rankings, kGridLeft + 300, 3680, kGridWidth - 600, 620);
    look::caption(rankings, 17, true, look::kInk);

    w.addArray("Label2", 10, 12, ControlKind::Label, dashboard);
    const char* headers[] = {"Classifica", "Ambito", "Posizione"};
    const int columnLeft[] = {kGridLeft + 350, kGridLeft + 3150, kGridLeft + 6300};
    const int columnWidth[] = {2700, 3100, 2250};
    for (int i = 0; i < 3; ++i) {
        Control& header = w("Label2", 10 + i);
        header.text = headers[i];
        look::place(header, columnLeft[i], 4430, columnWidth[i], 360);
        look::caption(header, 10.5, true, look::kMutedInk, i == 2 ? Align::Right : Align::Left);
    }
    // The ranking's name on the middle line of its three.
    Control& orders = w("Label1", 11);
    orders.text = "\nGenerale\n\n\nUno\n\n\nHearts\n\n\nBrisolo\n";
    Control& scopes = w("Label1", 12);
    scopes.text = "Mondo\nContinentale\nNazionale\nMondo\nContinentale\nNazionale\n"
                  "Mondo\nContinentale\nNazionale\nMondo\nContinentale\nNazionale";
    Control& positions = w("Label1", 15);
    Control* grid[] = {&orders, &scopes, &positions};
    for (int i = 0; i < 3; ++i) {
        look::place(*grid[i], columnLeft[i], kGridTop, columnWidth[i], 12 * line + 120);
        look::caption(*grid[i], kGridPoints, i != 1, i == 2 ? look::kMoney : look::kInk,
                      i == 2 ? Align::Right : Align::Left);
        grid[i]->wordWrap = false;
    }

    Control& heading = w("Label1", 14);
    heading.text = "Prossimi Eventi";
    look::place(heading, kBoardLeft + 400, 540, kBoardWidth - 800, 620);
    look::caption(heading, 17, true, look::kGold);

    // The event slots: host flag, the badge of the event's game, the event's three lines, and the
    // entry button or its marker.
    w.addArray("Label5", 0, 3, ControlKind::Label, dashboard);
    w.addArray("Image5", 0, 3, ControlKind::Picture, dashboard);
    w.addArray("Image22", 0, 3, ControlKind::Picture, dashboard);
    w.addArray("Label6", 0, 3, ControlKind::Label, dashboard);
    w.addArray("Label7", 0, 3, ControlKind::Label, dashboard);
    // Captions are drawn from the top: a pill that hugs its line keeps the text in its middle.
    const double buttonPoints = 14;
    const int buttonHeight = look::lineHeight(buttonPoints) + 30;
    for (int slot = 0; slot < 4; ++slot) {
        const int top = kSlotTop + slot * kSlotPitch;
        Control& host = w("Image5", slot);
        look::place(host, kBoardLeft + 450, top + (kSlotHeight - 1300) / 2, 1730, 1300);
        host.stretch = true;
        host.border = true;
        host.borderColor = look::kInk;

        Control& badge = w("Image22", slot);
        look::place(badge, kBoardLeft + 2330, top + (kSlotHeight - kBadgeSize) / 2, kBadgeSize, kBadgeSize);
        badge.stretch = true;
        badge.visible = false;

        Control& text = w("Label5", slot);
        look::place(text, kBoardLeft + 3350, top + 260, 11050, kSlotHeight - 300);
        look::caption(text, 13.5, false, look::kIvory);

        Control& enter = w("Label6", slot);
        enter.text = "ISCRIVITI";
        look::place(enter, kBoardLeft + kBoardWidth - 600 - 3400, top + (kSlotHeight - buttonHeight) / 2,
                    3400, buttonHeight);
        look::pill(enter, buttonPoints, look::kBrass, look::kInk, look::kGold);

        Control& entered = w("Label7", slot);
        entered.text = "ISCRITTO";
        look::place(entered, enter.left, enter.top, enter.width, enter.height);
        look::pill(entered, buttonPoints, look::kIvory, look::kInk, look::kBrass);
        entered.visible = false;
    }

    // The week's two actions share one place beneath the board: a week either has an entered
    // tournament to play or can be skipped, never both.
    const double actionPoints = 16;
    const int actionHeight = look::lineHeight(actionPoints) + 40;
    Control& play = w.add("Label39", ControlKind::Label, dashboard);
    play.text = "Gioca Torneo";
    look::place(play, kBoardLeft + kBoardWidth - 5800, 10200, 5800, actionHeight);
    look::pill(play, actionPoints, look::kBrass, look::kInk, look::kGold);
    play.visible = false;
    Control& next = w.add("Label8", ControlKind::Label, dashboard);
    next.text = "Prossima Settimana";
    look::place(next, kBoardLeft + kBoardWidth - 5800, 10200, 5800, actionHeight);
    look::pill(next, actionPoints, look::kIvory, look::kInk, look::kBrass);

    // Progress of the world's week: a brass bar that grows from the left while the week runs.
    Control& progress = w.add("Label9", ControlKind::Label, dashboard);
    look::place(progress, kGridLeft, 11300, 100, 220);
    progress.backTransparent = false;
    progress.backColor = look::kBrass;
    progress.visible = false;

    // What this week takes away from his points, under the ranking grid.
    Control& leaving = w.add("Label72", ControlKind::Label, dashboard);
    look::place(leaving, kGridLeft, 9880, kGridWidth + 200, 420);
    look::caption(leaving, 11.5, true, look::kGold);
    leaving.wordWrap = false;

    // How many weeks "Prossima Settimana" lives on, beside it, and the run's progress.
    Control& weeks = w.add("Combo16", ControlKind::Combo, dashboard);
    look::place(weeks, kBoardLeft + kBoardWidth - 5800 - 4500, 10200 + (actionHeight - 520) / 2, 4300, 520);
    weeks.font = {"DejaVu Sans", 12, false, false};
    weeks.items = {"1 settimana"};
    weeks.text = "1 settimana";
    weeks.toolTip = "Quante settimane giocare con \"Prossima Settimana\"";
    Control& run = w.add("Label73", ControlKind::Label, dashboard);
    look::place(run, kBoardLeft + 200, 10200, kWeeksBarWidth, actionHeight);
    look::caption(run, 12, true, look::kInk);
    run.backTransparent = false;
    run.backColor = look::kGold;
    run.wordWrap = false;
    run.clickable = true;
    run.toolTip = "Clic o Esc: si ferma dopo la settimana in corso";
    run.visible = false;

    // In each event slot: the points he won at the event's last edition, under its text, and a
    // note where the button would be when it cannot be used.
    w.addArray("Label65", 0, 3, ControlKind::Label, dashboard);
    w.addArray("Label78", 0, 3, ControlKind::Label, dashboard);
    for (int slot = 0; slot < 4; ++slot) {
        const int top = kSlotTop + slot * kSlotPitch;
        Control& defend = w("Label65", slot);
        look::place(defend, kBoardLeft + 3350, top + 1420, 8000, 420);
        look::caption(defend, 11.5, true, look::kGold);
        defend.wordWrap = false;
        defend.visible = false;
        Control& note = w("Label78", slot);
        look::place(note, kBoardLeft + kBoardWidth - 600 - 3900, top + 1180, 3900, 720);
        look::caption(note, 10.5, false, look::kIvory, Align::Center);
        note.visible = false;
    }

    buildWeekReport(w, dashboard);
}

// Picture11: the week's report over the player's card and ranking grid, until a click on it, Enter
// or Esc; the week's events and buttons beside it stay in reach.
void buildWeekReport(Window& w, Control* dashboard) {
    Control& panel = look::newsPanel(w, "Picture11", dashboard, kGridLeft, 300, kGridWidth, 9500, "Label66", 11);
    w.addArray("Label66", 0, 10, ControlKind::Label, &panel);
    auto text = [&](int item, int left, int top, int width, int height, double points, bool bold,
                    std::uint32_t colour, Align align = Align::Left) -> Control& {
        Control& label = w("Label66", item);
        look::place(label, left, top, width, height);
        look::caption(label, points, bold, colour, align);
        label.wordWrap = false;
        label.clickable = true;
        return label;
    };
    const int inner = kGridWidth - 500;
    text(0, 250, 200, inner, 560, 14, true, look::kGold);
    const int tableTop = 850;
    const int lines = 5 * look::lineHeight(11.5) + 80;
    text(1, 250, tableTop, 1800, lines, 11.5, true, look::kIvory);
    const int columnLeft[] = {2000, 3100, 4200, 5500};
    const int columnWidth[] = {1000, 1000, 1200, 3000};
    for (int c = 0; c < 4; ++c)
        text(2 + c, columnLeft[c], tableTop, columnWidth[c], lines, 11.5, c == 2, look::kIvory, Align::Right);
    // His tournament (Label57), under the table.
    int top = tableTop + lines + 120;
    Control& own = w.add("Label57", ControlKind::Label, &panel);
    look::place(own, 250, top, inner, 3 * look::lineHeight(10.5) + 60);
    look::caption(own, 10.5, true, look::kGold);
    own.wordWrap = false;
    own.clickable = true;
    own.visible = false;
    top += 3 * look::lineHeight(10.5) + 200;
    text(6, 250, top, inner, 400, 11.5, true, look::kGold);
    text(7, 250, top + 420, inner, 4 * look::lineHeight(10.5) + 60, 10.5, false, look::kIvory);
    top += 420 + 4 * look::lineHeight(10.5) + 200;
    text(8, 250, top, inner, 400, 11.5, true, look::kGold);
    text(9, 250, top + 420, inner, 6 * look::lineHeight(10.5) + 60, 10.5, false, look::kIvory);
    Control& hint = text(10, 250, 9500 - 520, inner, 400, 10, false, look::kIvory, Align::Right);
    hint.text = "Clic, Invio o Esc per chiudere";
}

} // namespace velmora
