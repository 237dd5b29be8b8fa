#include "app/layout/Screens.h"

namespace velmora {

namespace {

// Colours of the board: the card-room felt, a darker sheet for the standings, gold for headings.
constexpr std::uint32_t kFelt = 0x0E5A36;
constexpr std::uint32_t kSheet = 0x0A4529;
constexpr std::uint32_t kGold = 0xE3C05C;
constexpr std::uint32_t kCream = 0xF6F1DE;
constexpr std::uint32_t kButtonText = 0x11311F;

// The standings are 32 lines a column. Names, prizes and points share one monospaced font and the
// line step below, so a line's flag, name, prize and points stand on the same row.
constexpr int kLineStep = 270; // twips: the line height of the list font in a full-size window
constexpr int kListTop = 2280;
constexpr int kLines = 32;
// Noto Sans Mono has every letter of the name pools, so no name falls back to another face.
const Font kListFont{"Noto Sans Mono", 11, false, false};
// The face's ascent leaves room for accents above the capitals, so its letters sit low in their
// line: the lists start this much higher, and each line's letters, descenders included, stand in
// the middle of its row, level with its flag and within the stripe that marks the human's line.
constexpr int kTextLift = 40;

// Horizontal layout of one column, from its left edge.
constexpr int kColumnWidth = 13560;
constexpr int kFlagLeft = 120;
constexpr int kFlagWidth = 300;
constexpr int kFlagHeight = 200;
constexpr int kNameLeft = 560;
constexpr int kNameWidth = 8100;
constexpr int kPrizeLeft = 8700;
constexpr int kPrizeWidth = 2600;
constexpr int kPointsLeft = 11400;
constexpr int kPointsWidth = 1900;

Control& place(Control& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

void styleList(Control& c, Align align) {
    c.font = kListFont;
    c.foreColor = kCream;
    c.align = align;
    c.wordWrap = false;
    c.linePitch = kLineStep;
}

void styleHeading(Control& c, const std::string& text, Align align) {
    c.text = text;
    c.font = Font{"DejaVu Sans", 10, true, false};
    c.foreColor = kGold;
    c.align = align;
    c.wordWrap = false;
}

} // namespace

// Picture7: the final standings of a tournament, 64 places a page, with prize money and ranking
// points, the event's flag and name, the page selector and the continue button.
void buildPrizeBoardScreen(Window& w) {
    Control* board = &w("Picture7");
    board->backColor = kFelt;
    board->backTransparent = false;

    // The two sheets behind the columns, drawn first so everything else stands on them.
    // Two columns of equal width with equal margins either side of the board.
    constexpr int kGap = 220;
    constexpr int kMargin = (kWindowWidth - 2 * kColumnWidth - kGap) / 2;
    const int columnLeft[2] = {kMargin, kMargin + kColumnWidth + kGap};
    w.addArray("PrizeSheet", 0, 1, ControlKind::Label, board);
    for (int side = 0; side < 2; ++side) {
        Control& sheet = place(w("PrizeSheet", side), columnLeft[side], kListTop - 620, kColumnWidth,
                               kLines * kLineStep + 860);
        sheet.backColor = kSheet;
        sheet.backTransparent = false;
        sheet.border = true;
        sheet.borderColor = kGold;
        sheet.radius = 180;
    }

    // The human's own line, wherever the page lists him: a lit stripe under his name, prize and
    // points, placed on his line's flag by the board as it lists a page.
    Control& own = place(w.add("PrizeStripe", ControlKind::Label, board), columnLeft[0] + 60, kListTop,
                         kColumnWidth - 120, kLineStep);
    own.backColor = 0x6B5A1E;
    own.backTransparent = false;
    own.border = true;
    own.borderColor = kGold;
    own.radius = 60;
    own.visible = false;

    Control& flag = place(w.add("Image16", ControlKind::Picture, board), kMargin, 300, 1350, 900);
    flag.stretch = true;
    flag.border = true;
    flag.borderColor = kGold;

    w.addArray("Label40", 5, 13, ControlKind::Label, board);
    Control& title = place(w("Label40", 5), (kWindowWidth - 24000) / 2, 380, 24000, 760);
    title.font = Font{"DejaVu Sans", 22, true, false};
    title.foreColor = kGold;
    title.align = Align::Center;
    title.wordWrap = false;

    // Column headings: items 8 and 9 name the players' columns; the prize and points headings sit
    // over their own columns.
    w.addArray("PrizeHeading", 0, 4, ControlKind::Label, board);
    for (int side = 0; side < 2; ++side) {
        const int x = columnLeft[side];
        const int top = kListTop - 470;
        styleHeading(place(w("Label40", 8 + side), x + kNameLeft, top, kNameWidth, 320), "Giocatore",
                     Align::Left);
        styleHeading(place(w("PrizeHeading", 2 * side), x + kPrizeLeft, top, kPrizeWidth, 320), "Premio €",
                     Align::Right);
        // Right-aligned headings get room to their left: a face that rounds wider at some window
        // sizes must never clip "Punti" to "Punt".
        styleHeading(
            place(w("PrizeHeading", 2 * side + 1), x + kPointsLeft - 500, top, kPointsWidth + 500, 320),
            "Punti", Align::Right);
    }

    const int listHeight = kLines * kLineStep + 120;
    for (int side = 0; side < 2; ++side) {
        const int x = columnLeft[side];
        styleList(place(w("Label40", 6 + side), x + kNameLeft, kListTop - kTextLift, kNameWidth, listHeight),
                  Align::Left);
        styleList(place(w("Label40", 10 + 2 * side), x + kPrizeLeft, kListTop - kTextLift, kPrizeWidth, listHeight),
                  Align::Right);
        styleList(place(w("Label40", 11 + 2 * side), x + kPointsLeft, kListTop - kTextLift, kPointsWidth, listHeight),
                  Align::Right);
    }

    // One small flag per line, 0..31 down the left column and 32..63 down the right one.
    w.addArray("Image17", 0, 63, ControlKind::Picture, board);
    for (int line = 0; line < 2 * kLines; ++line) {
        const int side = line / kLines;
        Control& small = place(w("Image17", line), columnLeft[side] + kFlagLeft,
                               kListTop + (line % kLines) * kLineStep + (kLineStep - kFlagHeight) / 2,
                               kFlagWidth, kFlagHeight);
        small.stretch = true;
        small.visible = false;
    }

    const int footerTop = kListTop + kLines * kLineStep + 560;
    Control& pageCaption = place(w("PrizeHeading", 4), kMargin, footerTop + 60, 1100, 360);
    styleHeading(pageCaption, "Pagina", Align::Left);
    Control& pages = place(w.add("Combo8", ControlKind::Combo, board), kMargin + 1120, footerTop, 1300, 420);
    pages.font = Font{"DejaVu Sans", 11, true, false};
    // Where his own line is, beside the page list; a click turns to it.
    Control& ownPage = place(w.add("Label80", ControlKind::Label, board), kMargin + 2700, footerTop + 20, 4200, 400);
    ownPage.font = Font{"DejaVu Sans", 11.5, true, false};
    ownPage.foreColor = kGold;
    ownPage.wordWrap = false;
    ownPage.clickable = true;
    ownPage.toolTip = "Clic per andare alla pagina con la tua riga";
    ownPage.visible = false;

    Control& next = place(w.add("Label50", ControlKind::Label, board),
                          kMargin + 2 * kColumnWidth + kGap - 3600, footerTop - 40, 3600, 470);
    next.text = "Continua";
    next.font = Font{"DejaVu Sans", 15, true, false};
    next.foreColor = kButtonText;
    next.backColor = kGold;
    next.backTransparent = false;
    next.align = Align::Center;
    next.wordWrap = false;
    next.radius = 160;
    next.border = true;
    next.borderColor = 0xFFF3C4;
    next.clickable = true;
}

} // namespace velmora
