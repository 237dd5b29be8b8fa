#include "app/layout/Look.h"
#include "app/layout/Screens.h"

namespace velmora {

namespace {

constexpr int kCaptionLeft = 7600;
constexpr int kChoiceLeft = 13400;
constexpr int kChoiceWidth = 5200;
constexpr int kFirstRowTop = 2600;
constexpr int kRowStep = 1100;
constexpr int kRowHeight = 440;
constexpr double kPoints = 13;

void choice(Window& w, Control* panel, const char* caption, int captionIndex, const char* combo,
            std::vector<std::string> items, int row) {
    const int top = kFirstRowTop + row * kRowStep;
    Control& label = w("Label77", captionIndex);
    label.text = caption;
    look::place(label, kCaptionLeft, top, kChoiceLeft - kCaptionLeft - 300, kRowHeight);
    look::caption(label, kPoints, true, look::kIvory);
    Control& list = w.add(combo, ControlKind::Combo, panel);
    look::place(list, kChoiceLeft, top - 20, kChoiceWidth, kRowHeight + 40);
    list.font = {"DejaVu Sans", kPoints - 1, true, false};
    list.backTransparent = false;
    list.backColor = look::kIvory;
    list.foreColor = look::kInk;
    list.items = std::move(items);
    list.text = list.items.front(); // the first is the game's own look, pace or sound
    list.listIndex = 0;
}

} // namespace

// Picture13: the player's options over the title menu or the dashboard, drawn above every other
// screen: Uno's colours, the table's pace and the sounds, and "Indietro".
void buildOptionsScreen(Window& w) {
    Control& panel = look::screenPanel(w, "Picture13");

    w.addArray("Label77", 0, 4, ControlKind::Label, &panel);
    Control& title = w("Label77", 0);
    title.text = "Opzioni";
    look::place(title, kCaptionLeft, 900, 11000, 700);
    look::caption(title, 20, true, look::kGold);

    choice(w, &panel, "Colori Uno", 1, "Combo13", {"Solo colori", "Colori e simboli"}, 0);
    choice(w, &panel, "Ritmo al tavolo", 2, "Combo15", {"Normale", "Veloce", "Rapida"}, 1);
    choice(w, &panel, "Suoni", 3, "Combo14", {"Sì", "No"}, 2);

    Control& back = w("Label77", 4);
    back.text = "Indietro";
    look::place(back, kCaptionLeft, kFirstRowTop + 3 * kRowStep + 400, 2600, kRowHeight);
    look::pill(back, kPoints - 1, look::kDeepFelt, look::kIvory, look::kBrass);
    back.clickable = true;
    back.toolTip = "Chiudi le opzioni (Esc)";

    // Label71: the sounds are off. Made last, so it stays in sight above every screen, in the
    // corner of the title band.
    Control& mute = w.add("Label71", ControlKind::Label);
    mute.text = "\u266A\u2715"; // a note struck out
    look::place(mute, kWindowWidth - 1000, 80, 800, 520);
    look::pill(mute, 12, look::kDeepFelt, look::kIvory, look::kBrass);
    mute.toolTip = "Suoni spenti (M per riaccenderli)";
    mute.visible = false;
}

} // namespace velmora
