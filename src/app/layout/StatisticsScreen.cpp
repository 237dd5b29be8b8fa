#include "app/layout/Look.h"
#include "app/layout/Screens.h"
#include "rankings/Statistics.h"
#include "career/SeasonReview.h"

#include <string>

namespace velmora {

namespace {

using S = Statistics;

constexpr int kRight = 14700;         // left edge of the record table and the shelf
constexpr int kRecordTop = 2250;      // first line of the record table
constexpr int kRecordPitch = 330;     // twips from line to line of the record table
constexpr int kShelfTop = 9650;       // first line of the shelf
constexpr int kShelfPitch = 270;
constexpr int kRivalsTop = 11800; // the rivals and the seasons, under the shelf

} // namespace

void buildSeasonReview(Window& w);

namespace {

Control& text(Window& w, int index, const char* caption, int left, int top, int width, int height, double points,
              bool bold, std::uint32_t colour, Align align = Align::Left) {
    Control& label = w(S::kLabels, index);
    label.text = caption;
    look::place(label, left, top, width, height);
    look::caption(label, points, bold, colour, align);
    label.wordWrap = false;
    return label;
}

Control& chart(Window& w, const char* name, Control* panel, int left, int top, int width, int height) {
    Control& control = w.add(name, ControlKind::Chart, panel);
    look::place(control, left, top, width, height);
    control.backTransparent = false;
    control.backColor = look::kIvory;
    control.border = true;
    control.borderColor = look::kBrass;
    control.radius = 300;
    control.foreColor = look::kInk;
    control.font = {"DejaVu Sans", 11, false, false};
    return control;
}

// A column of a list: a heading over its lines.
void listColumn(Window& w, int heading, const char* caption, int column, int left, int width, int headingTop,
                int top, int lines, int pitch, double points, Align align) {
    text(w, heading, caption, left, headingTop, width, 400, points, true, look::kGold, align);
    Control& values = text(w, column, "", left, top, width, lines * pitch + 80, points, false, look::kIvory, align);
    values.linePitch = pitch;
}

} // namespace

// Picture9: his world places and money week by week on the left, his record and his trophy shelf on
// the right.
void buildStatisticsScreen(Window& w) {
    Control& panel = w.add("Picture9", ControlKind::Panel);
    look::place(panel, 0, 1820, kWindowWidth, kWindowHeight - 1820);
    panel.backTransparent = false;
    panel.backColor = look::kPanelFelt;
    panel.border = true;
    panel.borderColor = look::kBrass;
    panel.visible = false;

    // The boards of the record and the shelf lie under their labels.
    look::card(w, "Shape48", &panel, kRight - 100, 1150, 13760, 6950, look::kDeepFelt, look::kBrass, 300);
    look::card(w, "Shape49", &panel, kRight - 100, 8300, 13760, 5200, look::kDeepFelt, look::kBrass, 300);
    w.addArray(S::kLabels, 0, S::kLastLabel, ControlKind::Label, &panel);
    text(w, S::kTitle, "Statistiche", 600, 200, 5600, 720, 22, true, look::kGold);
    text(w, S::kSummary, "", 6300, 420, 21800, 500, 13, false, look::kIvory);

    text(w, S::kPlacesCaption, "Posizione mondiale settimana per settimana (1° in alto)", 500, 1150, 13800, 450, 14, true,
         look::kGold);
    chart(w, S::kPlacesChart, &panel, 400, 1650, 13900, 6350);
    text(w, S::kMoneyCaption, "Denaro (€)", 500, 8200, 13800, 450, 14, true, look::kGold);
    chart(w, S::kMoneyChart, &panel, 400, 8700, 13900, 4800);

    // The record: one line per figure, one column per game and one for all of them.
    text(w, S::kRecordCaption, "Record", kRight + 200, 1250, 6000, 500, 15, true, look::kGold);
    Control& rows = text(w, S::kRecordRows, "", kRight + 200, kRecordTop, 5600, 15 * kRecordPitch + 80, 12,
                         false, look::kIvory);
    rows.linePitch = kRecordPitch;
    const char* games[] = {"Uno", "Hearts", "Brisolo", "Totale"};
    for (int c = 0; c < 4; ++c) {
        const int left = kRight + 5900 + c * 1900;
        text(w, S::kRecordHeadings + c, games[c], left, kRecordTop - 450, 1800, 400, 12, true, look::kGold,
             Align::Right);
        Control& values = text(w, S::kRecordColumns + c, "", left, kRecordTop, 1800, 15 * kRecordPitch + 80, 12,
                               c == 3, look::kIvory, Align::Right);
        values.linePitch = kRecordPitch;
    }
    text(w, S::kBestGame, "", kRight + 200, 7350, 13000, 450, 13, true, look::kGold);

    // The shelf: trophies on the left, finals on the right, the latest first.
    text(w, S::kShelfCaption, "Bacheca", kRight + 200, 8380, 5000, 500, 15, true, look::kGold);
    text(w, S::kWinsCaption, "Trofei", kRight + 200, 8900, 5000, 420, 12, true, look::kIvory);
    text(w, S::kFinalsCaption, "Finali", kRight + 7000, 8900, 5000, 420, 12, true, look::kIvory);
    const int headingTop = kShelfTop - 380;
    const double points = 10.5;
    struct Column {
        const char* caption;
        int left, width;
        Align align;
    };
    const Column wins[] = {{"Stag.", 0, 650, Align::Center},
                           {"Sett.", 700, 650, Align::Center},
                           {"Gioco", 1450, 1150, Align::Left},
                           {"Torneo", 2650, 3850, Align::Left}};
    for (int c = 0; c < S::kWinColumnCount; ++c) {
        listColumn(w, S::kWinHeadings + c, wins[c].caption, S::kWinColumns + c, kRight + 200 + wins[c].left,
                   wins[c].width, headingTop, kShelfTop, S::kShelfLines + 1, kShelfPitch, points, wins[c].align);
    }
    const Column finals[] = {{"Stag.", 0, 650, Align::Center},
                             {"Sett.", 700, 650, Align::Center},
                             {"Gioco", 1450, 1150, Align::Left},
                             {"Pos.", 2600, 550, Align::Center},
                             {"Torneo", 3200, 3450, Align::Left}};
    for (int c = 0; c < S::kFinalColumnCount; ++c) {
        listColumn(w, S::kFinalHeadings + c, finals[c].caption, S::kFinalColumns + c,
                   kRight + 7000 + finals[c].left, finals[c].width, headingTop, kShelfTop, S::kShelfLines + 1,
                   kShelfPitch, points, finals[c].align);
    }

    // His rivals and the seasons he has lived, under the shelf's captions' row.
    w.addArray("Label68", 0, 1, ControlKind::Label, &panel);
    Control& rivalsCaption = w("Label68", 0);
    rivalsCaption.text = "Rivali";
    look::place(rivalsCaption, kRight + 200, kRivalsTop, 3000, 450);
    look::caption(rivalsCaption, 13, true, look::kGold);
    Control& rivals = w("Label68", 1);
    look::place(rivals, kRight + 200, kRivalsTop + 450, 13300, 5 * kShelfPitch + 80);
    look::caption(rivals, 10.5, false, look::kIvory);
    rivals.linePitch = kShelfPitch;
    rivals.wordWrap = false;
    text(w, S::kSeasonsCaption, "Riepilogo della stagione", kRight + 7000, kRivalsTop + 20, 3300, 420, 11, true,
         look::kGold);
    Control& seasons = w.add("Combo17", ControlKind::Combo, &panel);
    look::place(seasons, kRight + 10300, kRivalsTop - 40, 3200, 480);
    seasons.font = {"DejaVu Sans", 11, false, false};

    buildSeasonReview(w);
}

// Picture12: the review of a season, where the dashboard keeps the player's card and ranking grid
// (on the statistics screen, over its charts), until a click on it, Enter or Esc; the week's
// events and buttons stay in reach.
void buildSeasonReview(Window& w) {
    using R = SeasonReview;
    constexpr int kWidth = 8900;
    constexpr int kHeight = 9500;
    Control& panel = look::newsPanel(w, "Picture12", nullptr, 540, 3660, kWidth, kHeight, R::kLabels, R::kCatcher);
    w.addArray(R::kLabels, 0, R::kLastLabel, ControlKind::Label, &panel);
    auto label = [&](int item, int left, int top, int width, int height, double points, bool bold,
                     std::uint32_t colour, Align align = Align::Left) -> Control& {
        Control& control = w(R::kLabels, item);
        look::place(control, left, top, width, height);
        look::caption(control, points, bold, colour, align);
        control.wordWrap = false;
        control.clickable = true;
        return control;
    };
    const int inner = kWidth - 500;
    Control& title = label(R::kTitle, 250, 200, inner, 1000, 13, true, look::kGold);
    title.wordWrap = true;
    const int tableTop = 1350;
    const int lines = 4 * look::lineHeight(11.5) + 80;
    label(R::kCaptions, 250, tableTop, 2700, lines, 11.5, true, look::kIvory);
    for (int c = 0; c < 4; ++c)
        label(R::kColumns + c, 2900 + c * 1450, tableTop, 1400, lines, 11.5, c == 3, look::kIvory, Align::Right);
    Control& figures =
        label(R::kLines, 250, tableTop + lines + 300, inner, 14 * look::lineHeight(11) + 80, 11, false, look::kIvory);
    figures.wordWrap = true;
    label(R::kHint, 250, kHeight - 520, inner, 400, 10, false, look::kIvory, Align::Right).text =
        "Clic, Invio o Esc per chiudere";
}

} // namespace velmora
