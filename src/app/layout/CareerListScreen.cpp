#include "app/layout/Look.h"
#include "app/layout/Screens.h"

namespace velmora {

namespace {

constexpr int kRows = 8;
constexpr int kListLeft = 1800;
constexpr int kListTop = 2300;
constexpr int kRowStep = 600;
constexpr int kRowHeight = 420;
constexpr int kRowWidth = 18200;
constexpr int kButtonWidth = 2400;
constexpr double kRowPoints = 11;
// One monospaced face for the heading and the rows, so their columns stand under each other.
const Font kRowFont{"DejaVu Sans Mono", kRowPoints, false, false};

void row(Control& label, int left, int top, int width) {
    look::place(label, left, top, width, kRowHeight);
    label.font = kRowFont;
    label.foreColor = look::kInk;
    label.backColor = look::kIvory;
    label.backTransparent = false;
    label.wordWrap = false;
    label.clickable = true;
}

void button(Control& label, const char* text, int left, int top, int width) {
    label.text = text;
    look::place(label, left, top, width, kRowHeight);
    look::pill(label, kRowPoints, look::kDeepFelt, look::kIvory, look::kBrass);
    label.clickable = true;
}

} // namespace

// Picture10: the careers of the folder, one line each (player, nation, week, money, last played)
// with its delete and backup buttons; the same lines list a career's backups to restore. Past eight
// lines the list pages (Label74 back, Label75 on, Label76 "Pagina N di M").
void buildCareerListScreen(Window& w) {
    Control& panel = look::screenPanel(w, "Picture10");

    Control& title = w.add("Label58", ControlKind::Label, &panel);
    title.text = "Carriere";
    look::place(title, kListLeft, 700, kRowWidth, 700);
    look::caption(title, 20, true, look::kGold);

    Control& heading = w.add("Label63", ControlKind::Label, &panel);
    look::place(heading, kListLeft, kListTop - 560, kRowWidth, 480);
    heading.font = Font{"DejaVu Sans Mono", kRowPoints, true, false};
    heading.foreColor = look::kGold;
    heading.wordWrap = false;

    w.addArray("Label59", 0, kRows - 1, ControlKind::Label, &panel);
    w.addArray("Label60", 0, kRows - 1, ControlKind::Label, &panel);
    w.addArray("Label61", 0, kRows - 1, ControlKind::Label, &panel);
    const int deleteLeft = kListLeft + kRowWidth + 300;
    const int backupLeft = deleteLeft + kButtonWidth + 200;
    for (int i = 0; i < kRows; ++i) {
        const int top = kListTop + i * kRowStep;
        row(w("Label59", i), kListLeft, top, kRowWidth);
        button(w("Label60", i), "Elimina", deleteLeft, top, kButtonWidth);
        button(w("Label61", i), "Backup", backupLeft, top, kButtonWidth);
        for (const char* name : {"Label59", "Label60", "Label61"})
            w(name, i).visible = false;
    }
    const int bottom = kListTop + kRows * kRowStep + 300;
    button(w.add("Label62", ControlKind::Label, &panel), "Indietro", kListLeft, bottom, kButtonWidth);
    // Past eight lines the list turns its pages (a folder of many careers, five seasons of backups).
    const int pagesLeft = kListLeft + kRowWidth - 3 * kButtonWidth - 400;
    Control& previous = w.add("Label74", ControlKind::Label, &panel);
    button(previous, "Precedenti", pagesLeft, bottom, kButtonWidth);
    Control& page = w.add("Label76", ControlKind::Label, &panel);
    look::place(page, pagesLeft + kButtonWidth + 200, bottom, kButtonWidth, kRowHeight);
    look::caption(page, kRowPoints, false, look::kIvory, Align::Center);
    Control& next = w.add("Label75", ControlKind::Label, &panel);
    button(next, "Successivi", pagesLeft + 2 * kButtonWidth + 400, bottom, kButtonWidth);
    for (Control* pager : {&previous, &page, &next})
        pager->visible = false;
}

} // namespace velmora
