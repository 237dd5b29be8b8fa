#include "app/layout/Look.h"
#include "app/layout/Screens.h"

#include <string>

namespace velmora {

namespace {

// The tables of these screens are one label per column. Their headings are fixed-width texts in a
// monospaced face, so each column is placed under its heading's word: column x = the heading's left
// plus the word's character offset times the face's advance. The advances and line steps are
// those of DejaVu at the design size; the front end scales fixed-width text as a drawing.
struct Grid {
    int left;       // twips, where the heading starts
    double advance; // twips per character of the heading's face
    int x(double chars) const { return left + static_cast<int>(chars * advance + 0.5); }
};

constexpr double kMonoAdvance13 = 153.52; // DejaVu Sans Mono 13 pt (17 px at the design size)
constexpr double kMonoAdvance10 = 117.19; // DejaVu Sans Mono 10 pt (13 px)
constexpr int kLine15 = 360;              // line step of DejaVu 15 pt
constexpr int kLine10 = 225;              // line step of DejaVu 10 pt

const Font kList15{"DejaVu Sans", 15, false, false};
const Font kHeading13{"DejaVu Sans Mono", 13, true, false};
const Font kList10{"DejaVu Sans", 10, false, false};
const Font kHeading10{"DejaVu Sans Mono", 10, true, false};

std::string blanks(int count) {
    return std::string(static_cast<size_t>(count), ' ');
}

void screenTitle(Window& w, int index, const char* text, int top = 260) {
    Control& title = w("Label2", index);
    title.text = text;
    look::place(title, 600, top, 12000, 720);
    look::caption(title, 22, true, look::kGold);
    title.wordWrap = false;
}

// A small gold caption, e.g. beside a selector.
Control& smallCaption(Window& w, int index, Control* panel, const char* text, int left, int top, int width,
                      Align align = Align::Left) {
    w.addArray("Label2", index, index, ControlKind::Label, panel);
    Control& label = w("Label2", index);
    label.text = text;
    look::place(label, left, top, width, 400);
    look::caption(label, 12, true, look::kGold, align);
    label.wordWrap = false;
    return label;
}

Control& selector(Window& w, const char* name, Control* panel, int left, int top, int width) {
    Control& combo = w.add(name, ControlKind::Combo, panel);
    look::place(combo, left, top, width, 460);
    combo.font = {"DejaVu Sans", 13, false, false};
    combo.backTransparent = false;
    combo.backColor = 0xFFFFFF;
    combo.foreColor = look::kInk;
    return combo;
}

// A column of a table: one line per row, never wrapped.
Control& column(Control& label, const Font& font, int left, int right, int top, int lines, int step,
                Align align, std::uint32_t colour = look::kIvory) {
    look::place(label, left, top, right - left, lines * step + 60);
    label.backTransparent = true;
    label.font = font;
    label.foreColor = colour;
    label.align = align;
    label.wordWrap = false;
    return label;
}

Control& heading(Control& label, const Font& font, const std::string& text, int left, int top, int width) {
    label.text = text;
    look::place(label, left, top, width, 400);
    label.backTransparent = true;
    label.font = font;
    label.foreColor = look::kGold;
    label.wordWrap = false;
    return label;
}

// A stripe behind one line of a table.
void stripe(Control& label, int left, int top, int width, int height) {
    look::place(label, left, top, width, height);
    label.backTransparent = false;
    label.backColor = look::kStripeFelt;
    label.visible = false;
}

void smallFlag(Control& flag, int left, int lineTop, int step) {
    const int height = step * 3 / 4;
    look::place(flag, left, lineTop + (step - height) / 2, height * 4 / 3, height);
    flag.stretch = true;
    flag.visible = false;
}

// ---- Picture3: the world rankings ----

constexpr int kRankLines = 25;
constexpr int kRankHeadingTop = 2350;
constexpr int kRankListTop = 2760;

void buildRankings(Window& w) {
    Control* panel = &w("Picture3");
    w.addArray("Label2", 20, 20, ControlKind::Label, panel);
    screenTitle(w, 20, "Classifiche Mondiali");

    const std::string header = " Naz    Pos Giocatore" + blanks(52) + "Totale" + blanks(13) + "Uno" +
                               blanks(9) + "Hearts" + blanks(6) + "Brisolo" + blanks(7) + "Tot Mondo" +
                               blanks(4) + "Tot Contin" + blanks(4) + "Tot Nazion";
    const int headerWidth = static_cast<int>(167 * kMonoAdvance13);
    const Grid g{(kWindowWidth - headerWidth) / 2, kMonoAdvance13};

    // The board, then the stripes, so that everything else lies on them.
    look::card(w, "Shape40", panel, g.left - 400, kRankHeadingTop - 850, headerWidth + 800,
               kRankListTop - kRankHeadingTop + 850 + kRankLines * kLine15 + 300, look::kDeepFelt,
               look::kBrass, 300);
    w.addArray("Label23", 0, kRankLines - 1, ControlKind::Label, panel);
    for (int k = 0; k < kRankLines; ++k)
        stripe(w("Label23", k), g.left - 200, kRankListTop + k * kLine15, headerWidth + 400, kLine15);

    // Selectors: scope and its place, game, page.
    const int row = 1180;
    smallCaption(w, 24, panel, "Ambito", g.left, row + 40, 1400);
    selector(w, "Combo3", panel, g.left + 1400, row, 3000).items = {"Mondo", "Continentale", "Nazionale"};
    selector(w, "Combo4", panel, g.left + 4600, row, 4600).visible = false;
    smallCaption(w, 25, panel, "Gioco", g.left + 10400, row + 40, 1300);
    selector(w, "Combo2", panel, g.left + 11700, row, 3000).items = {"Generale", "Uno", "Hearts", "Brisolo"};
    smallCaption(w, 26, panel, "Pagina", g.left + 15900, row + 40, 1400);
    selector(w, "Combo5", panel, g.left + 17300, row, 3000);
    Control& findMe = w.add("Label69", ControlKind::Label, panel);
    findMe.text = "Trovami";
    look::place(findMe, g.left + 20900, row, 2800, look::lineHeight(13) + 40);
    look::pill(findMe, 13, look::kBrass, look::kInk, look::kGold);
    findMe.toolTip = "Va alla pagina con la tua riga";

    // "Punti" over the four points columns, "Posizioni" over the three places.
    Control& points = w.add("Label20", ControlKind::Label, panel);
    heading(points, {"DejaVu Sans", 12, true, false}, "Punti", g.x(73), kRankHeadingTop - 400,
            g.x(123) - g.x(73));
    points.align = Align::Center;
    Control& places = w.add("Label21", ControlKind::Label, panel);
    heading(places, {"DejaVu Sans", 12, true, false}, "Posizioni", g.x(130), kRankHeadingTop - 400,
            g.x(167) - g.x(130));
    places.align = Align::Center;
    heading(w.add("Label13", ControlKind::Label, panel), kHeading13, header, g.left, kRankHeadingTop,
            headerWidth + 200);

    w.addArray("Image6", 0, kRankLines - 1, ControlKind::Picture, panel);
    for (int k = 0; k < kRankLines; ++k)
        smallFlag(w("Image6", k), g.x(1), kRankListTop + k * kLine15, kLine15);

    struct Column {
        const char* name;
        double from, to; // characters of the heading
        Align align;
    };
    const Column columns[] = {{"Label10", 4, 11, Align::Right},    {"Label11", 12, 66, Align::Left},
                              {"Label12", 67, 79, Align::Right},   {"Label14", 80, 95, Align::Right},
                              {"Label15", 96, 110, Align::Right},  {"Label16", 111, 123, Align::Right},
                              {"Label17", 124, 139, Align::Right}, {"Label18", 140, 153, Align::Right},
                              {"Label19", 154, 167, Align::Right}};
    for (const Column& c : columns) {
        column(w.add(c.name, ControlKind::Label, panel), kList15, g.x(c.from), g.x(c.to), kRankListTop,
               kRankLines, kLine15, c.align);
    }
    // The marker: the chosen game's column again, bold on its own band. Its lines start at the top
    // like every column's, whatever the page's length, so each value stands on its player's line:
    // the band has square corners, since a rounded label is drawn as a button, its caption in the
    // middle of it.
    Control& marker = column(w.add("Label22", ControlKind::Label, panel), {"DejaVu Sans", 15, true, false},
                             g.x(67), g.x(79), kRankListTop, kRankLines, kLine15, Align::Right, look::kGold);
    marker.backTransparent = false;
    marker.backColor = look::kInk;
    marker.border = true;
    marker.borderColor = look::kBrass;
}

// ---- Picture4: the calendar ----

constexpr int kCalendarLineTop = 1005; // the frame of line 0 stands at 975
constexpr int kResultsHeadingTop = 2850;
constexpr int kResultsTop = 3260;
constexpr int kResultLines = 16;

void buildCalendar(Window& w) {
    Control* panel = &w("Picture4");
    w.addArray("Label2", 21, 22, ControlKind::Label, panel);
    screenTitle(w, 21, "Calendario", 60);

    const std::string calendarHeader = "Naz Torneo" + blanks(57) + "Montepremi" + blanks(6) + "Punti" +
                                       blanks(7) + "Gioc." + blanks(10) + "Iscrizione";
    const std::string resultsHeader =
        "Naz   Pos  Giocatore" + blanks(63) + "Premio" + blanks(1) + "€" + blanks(14) + "Punti";
    const int linkWidth = 2300;
    const int calendarWidth = static_cast<int>(120 * kMonoAdvance13);
    const Grid g{(kWindowWidth - calendarWidth - 400 - linkWidth) / 2, kMonoAdvance13};

    // Boards: the week's events, the standings, the tiers below them.
    look::card(w, "Shape41", panel, g.left - 400, 500, calendarWidth + linkWidth + 1200,
               kCalendarLineTop + 4 * kLine15 + 150 - 500, look::kDeepFelt, look::kBrass, 300);
    const int tiersLeft = g.x(110) + 900;
    look::card(w, "Shape42", panel, g.left - 400, kResultsHeadingTop - 150, g.x(110) - g.left + 800,
               kResultsTop - kResultsHeadingTop + 150 + kResultLines * kLine15 + 300, look::kDeepFelt,
               look::kBrass, 300);
    look::card(w, "Shape43", panel, tiersLeft - 300, kResultsHeadingTop - 150, 4200,
               kResultsTop - kResultsHeadingTop + 150 + kResultLines * kLine15 + 300, look::kDeepFelt,
               look::kBrass, 300);
    w.addArray("Label36", 0, kResultLines / 2 - 1, ControlKind::Label, panel);
    for (int s = 0; s < kResultLines / 2; ++s)
        stripe(w("Label36", s), g.left - 200, kResultsTop + 2 * s * kLine15, g.x(110) - g.left + 400,
               kLine15);

    // The week list, to the right of the title and above the events' board (which starts at 500).
    Control& week = w("Label2", 22);
    week.text = "Settimana";
    look::place(week, g.left + calendarWidth - 3900, 80, 1900, 400);
    look::caption(week, 13, true, look::kIvory);
    selector(w, "Combo6", panel, g.left + calendarWidth - 1900, 30, 1900).height = 420;

    heading(w.add("Label28", ControlKind::Label, panel), kHeading13, calendarHeader, g.left, 610,
            calendarWidth + 200);
    w.addArray("Image7", 0, 3 + kResultLines, ControlKind::Picture, panel);
    for (int i = 0; i < 4; ++i)
        smallFlag(w("Image7", i), g.left, kCalendarLineTop + i * kLine15, kLine15);
    column(w.add("Label24", ControlKind::Label, panel), kList15, g.x(4), g.x(62), kCalendarLineTop, 4,
           kLine15, Align::Left);
    // The game of each line, in words, in the room the names leave.
    column(w.add("Label81", ControlKind::Label, panel), kList15, g.x(47), g.x(61), kCalendarLineTop, 4, kLine15,
           Align::Left, look::kGold);
    column(w.add("Label25", ControlKind::Label, panel), kList15, g.x(62), g.x(77), kCalendarLineTop, 4,
           kLine15, Align::Right, look::kGold);
    column(w.add("Label26", ControlKind::Label, panel), kList15, g.x(78), g.x(88), kCalendarLineTop, 4,
           kLine15, Align::Right);
    column(w.add("Label27", ControlKind::Label, panel), kList15, g.x(89), g.x(100), kCalendarLineTop, 4,
           kLine15, Align::Right);
    column(w.add("Label30", ControlKind::Label, panel), kList15, g.x(101), g.x(120), kCalendarLineTop, 4,
           kLine15, Align::Right);
    w.addArray("Label29", 0, 3, ControlKind::Label, panel);
    for (int i = 0; i < 4; ++i) {
        Control& link = w("Label29", i);
        link.text = "Risultati";
        look::place(link, g.x(120) + 400, kCalendarLineTop + i * kLine15, linkWidth, kLine15);
        look::caption(link, 12, true, look::kGold, Align::Center);
        link.font.italic = true;
        link.clickable = true;
        link.wordWrap = false;
        link.visible = false;
    }
    Control& frame = w.add("Shape2", ControlKind::Shape, panel);
    look::place(frame, g.left - 250, kCalendarLineTop - 30, g.x(120) + 400 + linkWidth + 150 - (g.left - 250),
                kLine15 + 60);
    frame.borderColor = look::kGold;
    frame.radius = 120;

    // The standings of the chosen event.
    heading(w.add("Label31", ControlKind::Label, panel), kHeading13, resultsHeader, g.left,
            kResultsHeadingTop, g.x(110) - g.left + 200);
    for (int k = 0; k < kResultLines; ++k)
        smallFlag(w("Image7", 4 + k), g.left, kResultsTop + k * kLine15, kLine15);
    column(w.add("Label32", ControlKind::Label, panel), kList15, g.x(4), g.x(9), kResultsTop, kResultLines,
           kLine15, Align::Right);
    column(w.add("Label33", ControlKind::Label, panel), kList15, g.x(11), g.x(80), kResultsTop, kResultLines,
           kLine15, Align::Left);
    column(w.add("Label34", ControlKind::Label, panel), kList15, g.x(80), g.x(91), kResultsTop, kResultLines,
           kLine15, Align::Right, look::kGold);
    column(w.add("Label35", ControlKind::Label, panel), kList15, g.x(95), g.x(110), kResultsTop, kResultLines,
           kLine15, Align::Right);

    // Tiers paid below the listed finishers: places, prize, points, a blank line.
    w.addArray("Label2", 27, 27, ControlKind::Label, panel);
    heading(w("Label2", 27), {"DejaVu Sans", 12, true, false}, "Piazzamenti seguenti", tiersLeft,
            kResultsHeadingTop, 3600);
    column(w.add("Label37", ControlKind::Label, panel), kList15, tiersLeft, tiersLeft + 3600, kResultsTop, 32,
           kLine15, Align::Left);
}

// ---- Picture8: the player card ----

constexpr int kExcerptTop = 4680; // line 0 of the ranking excerpt; one line every 225 twips
constexpr int kExcerptLines = 30;
constexpr int kTableTop = 250;
constexpr int kHistoryHeadingTop = 5750;
constexpr int kHistoryTop = 6000;
constexpr int kHistoryLines = 20;

void buildPlayers(Window& w) {
    Control* panel = &w("Picture8");
    const int identityRight = 11400;
    const int tableWidth = static_cast<int>(72 * kMonoAdvance10);
    const Grid t{identityRight + 400, kMonoAdvance10};
    const int historyWidth = static_cast<int>(130 * kMonoAdvance10);
    const Grid h{600, kMonoAdvance10};
    const int excerptWidth = static_cast<int>(56 * kMonoAdvance10);
    const Grid x{kWindowWidth - 600 - excerptWidth, kMonoAdvance10};

    // The cards and boards, then the stripes, so that everything else lies on them.
    look::card(w, "Shape44", panel, 600, 200, identityRight - 600, 1950, look::kIvory, look::kBrass, 300);
    look::card(w, "Shape45", panel, t.left - 300, kTableTop - 150, tableWidth + 600, 20 * kLine10 + 300,
               look::kDeepFelt, look::kBrass, 300);
    look::card(w, "Shape46", panel, h.left - 300, kHistoryHeadingTop - 700, historyWidth + 600,
               kHistoryTop - kHistoryHeadingTop + 700 + kHistoryLines * kLine10 + 300, look::kDeepFelt,
               look::kBrass, 300);
    look::card(w, "Shape47", panel, x.left - 300, kExcerptTop - 1250, excerptWidth + 600,
               1250 + kExcerptLines * kLine10 + 300, look::kDeepFelt, look::kBrass, 300);
    w.addArray("Label23", 25, 49, ControlKind::Label, panel);
    for (int s = 0; s < kHistoryLines / 2; ++s)
        stripe(w("Label23", 25 + s), h.left - 150, kHistoryTop + 2 * s * kLine10, historyWidth + 300,
               kLine10);
    for (int s = 0; s < kExcerptLines / 2; ++s)
        stripe(w("Label23", 35 + s), x.left - 150, kExcerptTop + 2 * s * kLine10, excerptWidth + 300,
               kLine10);

    // Identity card: flag, name, nation and age, skills.
    Control& flag = w.add("Image19", ControlKind::Picture, panel);
    look::place(flag, 850, 420, 1600, 1200);
    flag.stretch = true;
    flag.border = true;
    flag.borderColor = look::kInk;
    flag.visible = false;

    w.addArray("Label53", 0, 23, ControlKind::Label, panel);
    Control& name = w("Label53", 0);
    look::place(name, 2700, 330, identityRight - 2700 - 200, 560);
    look::caption(name, 17, true, look::kInk);
    name.wordWrap = false;
    // The nation line ends in "Uno ", the caption of the dots beside it; "Hearts" and "Brisolo"
    // caption the two rows below. Their labels stop one blank short of the nation line's, so the
    // three words end level, a blank before the dots.
    const int dotsLeft = identityRight - 2400;
    const int skillTop[] = {1020, 1320, 1620};
    Control& nation = w("Label53", 1);
    look::place(nation, 2700, skillTop[0], dotsLeft - 2700, 330);
    look::caption(nation, 11, false, look::kInk, Align::Right);
    nation.wordWrap = false;
    w("Label53", 10).text = "Hearts";
    w("Label53", 12).text = "Brisolo";
    const int blank11 = 70; // a blank of DejaVu Sans 11 pt (0.318 em)
    for (int item : {10, 12}) {
        Control& label = w("Label53", item);
        look::place(label, 2700, skillTop[item == 10 ? 1 : 2], dotsLeft - 2700 - blank11, 330);
        look::caption(label, 11, false, look::kInk, Align::Right);
        label.wordWrap = false;
    }
    for (int i = 0; i < 3; ++i) {
        Control& dots = w("Label53", 9 + 2 * i);
        look::place(dots, dotsLeft, skillTop[i], 2300, 330);
        look::caption(dots, 11, false, look::kMoney);
        dots.font.family = "Wingdings";
        dots.wordWrap = false;
    }

    // The player list and the search.
    w.addArray("Label2", 23, 23, ControlKind::Label, panel);
    screenTitle(w, 23, "Giocatori", 2350);
    w("Label2", 23).width = 4000;
    smallCaption(w, 28, panel, "Giocatore", 600, 3200, 1900);
    selector(w, "Combo9", panel, 2500, 3160, 6500);
    smallCaption(w, 29, panel, "Cerca", 600, 3860, 1900);
    Control& search = w.add("Text2", ControlKind::TextBox, panel);
    look::place(search, 2500, 3820, 4700, 460);
    search.font = {"DejaVu Sans", 13, false, false};
    search.backTransparent = false;
    search.backColor = 0xFFFFFF;
    search.foreColor = look::kInk;
    search.border = true;
    search.borderColor = look::kBrass;
    // The search button is drawn as a label: a pill like the other buttons.
    Control& find = w.add("Image18", ControlKind::Label, panel);
    find.text = "Cerca";
    look::place(find, 7400, 3820, 1600, look::lineHeight(13) + 40);
    look::pill(find, 13, look::kBrass, look::kInk, look::kGold);
    // His record against the human, under the search, when they have met.
    Control& against = w.add("Label79", ControlKind::Label, panel);
    look::place(against, 600, 4420, 8400, 420);
    look::caption(against, 11.5, true, look::kGold);
    against.wordWrap = false;
    against.visible = false;

    // The twelve places: four blocks of five lines (ranking, world, continent, nation, blank).
    heading(w("Label53", 17), kHeading10, blanks(59) + "Pos     Punti", t.left, kTableTop, tableWidth + 200);
    column(w("Label53", 15), kList10, t.x(0), t.x(50), kTableTop + kLine10, 20, kLine10, Align::Left);
    column(w("Label53", 14), kList10, t.x(50), t.x(62), kTableTop + kLine10, 20, kLine10, Align::Right,
           look::kGold);
    column(w("Label53", 16), kList10, t.x(62), t.x(72), kTableTop + kLine10, 20, kLine10, Align::Right);

    // The last tournaments played.
    Control& historyTitle = w("Label53", 2);
    historyTitle.text = "Ultimi Tornei Giocati";
    look::place(historyTitle, h.left, kHistoryHeadingTop - 560, 6000, 450);
    look::caption(historyTitle, 15, true, look::kGold);
    historyTitle.wordWrap = false;
    selector(w, "Combo10", panel, h.x(95), kHistoryHeadingTop - 600, 3000).items = {"Tutti", "Uno", "Hearts",
                                                                                    "Brisolo"};
    heading(w("Label53", 6), kHeading10,
            "  Set  Pos  Naz  Torneo" + blanks(72) + "Importanza" + blanks(20) + "Punti", h.left,
            kHistoryHeadingTop, historyWidth + 200);
    w.addArray("Image20", 0, kHistoryLines - 1, ControlKind::Picture, panel);
    for (int k = 0; k < kHistoryLines; ++k)
        smallFlag(w("Image20", k), h.x(12), kHistoryTop + k * kLine10, kLine10);
    column(w("Label53", 3), kList10, h.x(0), h.x(5), kHistoryTop, kHistoryLines, kLine10, Align::Right);
    column(w("Label53", 4), kList10, h.x(5), h.x(10), kHistoryTop, kHistoryLines, kLine10, Align::Right);
    column(w("Label53", 5), kList10, h.x(17), h.x(94), kHistoryTop, kHistoryLines, kLine10, Align::Left);
    Control& importance = column(w("Label53", 18), kList10, h.x(95), h.x(110), kHistoryTop, kHistoryLines,
                                 kLine10, Align::Left, look::kGold);
    importance.font.family = "Webdings";
    column(w("Label53", 7), kList10, h.x(115), h.x(130), kHistoryTop, kHistoryLines, kLine10, Align::Right);

    // The thirty players around him in a ranking, with a frame on his own line.
    smallCaption(w, 31, panel, "Classifica", x.left, kExcerptTop - 1080, 2200);
    selector(w, "Combo11", panel, x.left + 2200, kExcerptTop - 1120, 3000).items = {"Generale", "Uno",
                                                                                    "Hearts", "Brisolo"};
    heading(w("Label53", 23), kHeading10, "Naz        Pos      Punti       Giocatore", x.left,
            kExcerptTop - 300, excerptWidth);
    w.addArray("Image21", 0, kExcerptLines - 1, ControlKind::Picture, panel);
    for (int k = 0; k < kExcerptLines; ++k)
        smallFlag(w("Image21", k), x.left, kExcerptTop + k * kLine10, kLine10);
    column(w("Label53", 20), kList10, x.x(6), x.x(14), kExcerptTop, kExcerptLines, kLine10, Align::Right);
    column(w("Label53", 21), kList10, x.x(15), x.x(25), kExcerptTop, kExcerptLines, kLine10, Align::Right,
           look::kGold);
    column(w("Label53", 22), kList10, x.x(32), x.x(56), kExcerptTop, kExcerptLines, kLine10, Align::Left);
    Control& frame = w.add("Shape6", ControlKind::Shape, panel);
    look::place(frame, x.left - 200, kExcerptTop, excerptWidth + 400, kLine10);
    frame.borderColor = look::kGold;
    frame.radius = 80;
    frame.visible = false;

    Control& close = w.add("Label52", ControlKind::Label, panel);
    close.text = "X";
    look::place(close, kWindowWidth - 600 - 620, 300, 620, look::lineHeight(16) + 40);
    look::pill(close, 16, 0x8C2F2F, look::kIvory, look::kGold);
}

} // namespace

// Picture3, Picture4, Picture8: the world rankings, the calendar with its week list and the players
// screen with its close button.
void buildRecordScreens(Window& w) {
    buildRankings(w);
    buildCalendar(w);
    buildPlayers(w);
}

} // namespace velmora
