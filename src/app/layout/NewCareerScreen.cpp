#include "app/layout/Look.h"
#include "app/layout/Screens.h"

namespace velmora {

namespace {

// A field of the form: its caption on the left, the box on the right, on one line.
constexpr int kCaptionLeft = 9300;
constexpr int kFieldLeft = 12300;
constexpr int kFieldHeight = 460;
constexpr double kFieldPoints = 13;

void fieldCaption(Window& w, Control* form, int index, const char* text, int top) {
    Control& label = w("Label2", index);
    label.panel = form;
    label.text = text;
    look::place(label, kCaptionLeft, top + look::centredInset(kFieldHeight, kFieldPoints), 2900,
                look::lineHeight(kFieldPoints) + 40);
    look::caption(label, kFieldPoints, true, look::kMutedInk);
}

void field(Control& box, int top, int width) {
    look::place(box, kFieldLeft, top, width, kFieldHeight);
    box.font = {"DejaVu Sans", kFieldPoints, false, false};
    box.backTransparent = false;
    box.backColor = 0xFFFFFF;
    box.foreColor = look::kInk;
    box.border = true;
    box.borderColor = look::kBrass;
}

// A button of the form on its own frame; the form is never partly hidden, so the frame can be a
// separate shape. The frame is made first so that the caption lies on it.
constexpr int kButtonTop = 7350;
constexpr int kButtonWidth = 4300;
constexpr int kButtonHeight = 780;
constexpr double kButtonPoints = 15;

Control& buttonFrame(Window& w, Control* form, const char* name, int left, bool primary) {
    return look::card(w, name, form, left, kButtonTop, kButtonWidth, kButtonHeight,
                      primary ? look::kBrass : look::kDeepFelt, primary ? look::kMoney : look::kBrass,
                      kButtonHeight / 2);
}

void buttonCaption(Control& label, const Control& frame, const char* text, bool primary) {
    label.text = text;
    look::pillOver(label, frame, kButtonPoints, primary ? look::kInk : look::kIvory);
}

} // namespace

// Picture1: the new-career form, an ivory card in the middle of the panel with the player's name,
// age and nation, the nation's flag, and the buttons to create the career or go back.
void buildNewCareerScreen(Window& w) {
    Control* form = &w("Picture1");
    const int cardLeft = 8090;
    const int cardWidth = 12000;
    look::card(w, "Shape20", form, cardLeft, 800, cardWidth, 9000, look::kIvory, look::kBrass, 360);

    w.addArray("Label2", 0, 5, ControlKind::Label, form);
    Control& heading = w("Label2", 0);
    heading.text = "Nuova Carriera";
    look::place(heading, cardLeft, 1200, cardWidth, 700);
    look::caption(heading, 22, true, look::kInk, Align::Center);
    Control& subtitle = w("Label2", 5);
    subtitle.text = "Crea il tuo giocatore: una stagione di 52 settimane ti aspetta.";
    look::place(subtitle, cardLeft, 1950, cardWidth, 360);
    look::caption(subtitle, 11.5, false, look::kMutedInk, Align::Center);
    look::card(w, "Shape21", form, cardLeft + 1200, 2560, cardWidth - 2400, 30, look::kBrass, look::kBrass,
               0);

    const int rows[] = {3100, 3880, 4660, 5440};
    fieldCaption(w, form, 1, "Nome", rows[0]);
    fieldCaption(w, form, 2, "Cognome", rows[1]);
    fieldCaption(w, form, 3, "Eta'", rows[2]);
    fieldCaption(w, form, 4, "Nazionalita'", rows[3]);

    w.addArray("Text1", 0, 1, ControlKind::TextBox, form);
    field(w("Text1", 0), rows[0], 6700);
    field(w("Text1", 1), rows[1], 6700);
    w.addArray("Combo1", 0, 1, ControlKind::Combo, form);
    field(w("Combo1", 0), rows[2], 1900);
    field(w("Combo1", 1), rows[3], 4300);

    // Flags are 4:3.
    Control& flag = w.add("Image3", ControlKind::Picture, form);
    look::place(flag, 16900, rows[3] - 240, 1600, 1200);
    flag.stretch = true;
    flag.border = true;
    flag.borderColor = look::kInk;

    const int createLeft = cardLeft + cardWidth - 1000 - kButtonWidth;
    const Control& back = buttonFrame(w, form, "Shape22", kCaptionLeft, false);
    const Control& create = buttonFrame(w, form, "Shape23", createLeft, true);
    w.addArray("Label3", 0, 1, ControlKind::Label, form);
    buttonCaption(w("Label3", 1), back, "Indietro", false);
    buttonCaption(w("Label3", 0), create, "Avanti", true);

    Control& progress = w.add("Label4", ControlKind::Label, form);
    progress.text = "Attendere Nuova Partita.....";
    // "Nuova" gives it 4000 twips; the counting text must fit in them.
    look::place(progress, cardLeft + cardWidth / 2 - 2000, 8500, 4000, 560);
    look::caption(progress, 10, true, look::kInk, Align::Center);
    progress.visible = false;
}

} // namespace velmora
