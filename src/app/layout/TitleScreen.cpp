#include "state/MenuFrames.h"
#include "app/layout/Look.h"
#include "app/layout/Screens.h"

#include <string>

namespace velmora {

namespace {

// A menu entry: its frame, then its caption on top as a pill of the same size and colours. The
// whole button answers a click, and under the pointer the pill itself lights up, rounded like the
// frame, so no square of the caption's box shows around it.
void menuEntry(Window& w, int index, const char* text, int left, int top, int width, int height,
               double points, bool primary, bool visible) {
    Control& frame = look::card(w, MenuFrames::frameName(index).c_str(), nullptr, left, top, width, height,
                                primary ? look::kBrass : look::kDeepFelt,
                                primary ? look::kGold : look::kBrass, height / 2);
    frame.visible = visible;

    w.addArray("Label1", index, index, ControlKind::Label);
    Control& label = w("Label1", index);
    label.text = text;
    look::pillOver(label, frame, points, primary ? look::kInk : look::kIvory);
    label.visible = visible;
}

} // namespace

// The background felt, the title band (the name of the game between two title pictures), the title
// menu in the middle of the window, the dashboard menu in the title band, and the eight panels.
void buildTitleScreen(Window& w) {
    Control& background = w.add("Image2", ControlKind::Picture);
    look::place(background, 0, 0, kWindowWidth, kWindowHeight);
    background.stretch = true;

    // cards.gif is 3:2. The two pictures end above 1820 twips, where the rankings and the calendar
    // begin, so those screens leave them whole.
    w.addArray("Image1", 0, 1, ControlKind::Picture);
    look::place(w("Image1", 0), 300, 100, 2520, 1680);
    look::place(w("Image1", 1), kWindowWidth - 300 - 2520, 100, 2520, 1680);

    w.addArray("Label1", 0, 0, ControlKind::Label);
    Control& title = w("Label1", 0);
    title.text = "Velmora";
    look::place(title, 4800, 40, kWindowWidth - 2 * 4800, 1000);
    look::caption(title, 36, true, look::kGold, Align::Center);
    title.font.family = "DejaVu Serif";

    // A line under the title on the title screen; the career screens cover it.
    w.addArray("Label2", 30, 30, ControlKind::Label);
    Control& tagline = w("Label2", 30);
    tagline.text = "Una stagione, tre giochi: Uno, Hearts e Brisolo";
    look::place(tagline, 4800, 3900, kWindowWidth - 2 * 4800, 500);
    look::caption(tagline, 15, false, look::kIvory, Align::Center);
    tagline.font.italic = true;

    // Title menu: "Carriera" opens "Nuova" and "Carica" beneath it; "Esci" closes the game. The
    // panels of the career screens are drawn over it.
    const int middle = kWindowWidth / 2;
    menuEntry(w, 1, "Carriera", middle - 3200, 5200, 6400, 960, 20, true, true);
    menuEntry(w, 3, "Nuova", middle - 2500, 6340, 5000, 700, 15, false, false);
    menuEntry(w, 4, "Carica", middle - 2500, 7160, 5000, 700, 15, false, false);
    menuEntry(w, 19, "Opzioni", middle - 2500, 8080, 5000, 700, 15, false, true);
    menuEntry(w, 2, "Esci", middle - 3200, 8980, 6400, 960, 20, true, true);

    // Dashboard menu, in the title band so that it stays above the record screens.
    struct Entry {
        int index;
        const char* text;
    };
    const Entry dashboardMenu[] = {
        {16, "Home"}, {5, "Calendario"}, {6, "Classifiche"}, {17, "Giocatori"}, {7, "Esci"}};
    const int entryWidth = 2600;
    const int gap = 200;
    int left = (kWindowWidth - 5 * entryWidth - 4 * gap) / 2 - 1000;
    for (const Entry& entry : dashboardMenu) {
        menuEntry(w, entry.index, entry.text, left, 1100, entryWidth, 580, 12.5, false, false);
        left += entryWidth + gap;
    }
    // "Statistiche" follows the others on the right, narrower so the title picture stays clear.
    menuEntry(w, 18, "Statistiche", left, 1100, 2050, 580, 12.5, false, false);
    menuEntry(w, 20, "Opzioni", left + 2050 + gap, 1100, 1800, 580, 12.5, false, false);
    // Label1 8..15 are captions of the dashboard and are made with it.

    const int panelLeft[] = {240, 240, 0, 0, 0, 0, 0, 0};
    const int panelTop[] = {3360, 3360, 1820, 1820, 3120, 3120, 3120, 3360};
    for (int i = 0; i < 8; ++i) {
        Control& panel = w.add("Picture" + std::to_string(i + 1), ControlKind::Panel);
        look::place(panel, panelLeft[i], panelTop[i], kWindowWidth - 2 * panelLeft[i],
                    kWindowHeight - panelTop[i] - panelLeft[i]);
        panel.backTransparent = false;
        panel.backColor = look::kPanelFelt;
        panel.border = true;
        panel.borderColor = look::kBrass;
        panel.visible = false;
    }
}

} // namespace velmora
