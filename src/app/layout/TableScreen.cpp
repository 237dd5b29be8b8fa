#include "app/layout/Look.h"
#include "app/layout/Screens.h"
#include "tournament/BoardColumns.h"

#include <string>

namespace velmora {

namespace {

// The card room: a felt table with a wooden rim in the left part of the panel, the four seats
// around it, the human's hand along the bottom, the scoreboard and the standings board on the right.
// All positions are twips on the table panel (Picture5, 28660 x 12480).

constexpr std::uint32_t kTableFelt = 0x1B6B3D;
constexpr std::uint32_t kFeltLine = 0x2C8A54;
constexpr std::uint32_t kWood = 0x4A2F19;
constexpr std::uint32_t kPlate = 0x0B2E1C;
constexpr std::uint32_t kBoardSheet = 0x0B3320;
constexpr std::uint32_t kGoesOn = 0x8EE08E; // "V"
constexpr std::uint32_t kOut = 0xF07A6A;    // "X"

// Table: its centre sits between the turn marker positions of opposite seats.
constexpr int kFeltLeft = 1500, kFeltTop = 1050, kFeltWidth = 10530, kFeltHeight = 9270;

// Cards on the table, 2:3 like the card pictures.
constexpr int kCardWidth = 840, kCardHeight = 1260;
constexpr int kCentreRowTop = 5055; // the middle row: draw pile, discard pile, side seats' cards
// The human's hand: 27 places in one overlapping row along the bottom.
constexpr int kHandLeft = 240, kHandTop = 10580, kHandStep = 1010, kHandWidth = 1160, kHandHeight = 1740;

// The look of the table's two sizes of button.
struct ButtonLook {
    double points;
    std::uint32_t fill, text, frame;
};
const ButtonLook kSmallButton{10.5, look::kDeepFelt, look::kIvory, look::kBrass};
const ButtonLook kLargeButton{15, look::kBrass, look::kInk, look::kGold};

struct Box {
    int left, top, width, height;
};

// A button of the table, hidden until the game shows it.
void addHiddenButton(Window& w, Control* table, const std::string& name, const std::string& text, Box box,
                     const ButtonLook& button) {
    Control& label = w.add(name, ControlKind::Label, table);
    label.text = text;
    look::place(label, box.left, box.top, box.width, box.height);
    look::pill(label, button.points, button.fill, button.text, button.frame);
    label.visible = false;
}

// The keys of the table, on the rule sheet's button: a player who looks for the rules finds them.
const char kKeysHelp[] = "Regole (F1)\n\n"
                         "Tasti al tavolo:\n"
                         "Frecce \u2190 \u2192: scegli la carta\n"
                         "Invio o Spazio: gioca la carta scelta\n"
                         "Hearts: Spazio mette da parte la carta scelta, Invio passa le tre carte\n"
                         "Uno: P pesca, S passa; il colore con 1-4 o B, G, R, V\n"
                         "Invio: INIZIA e PROSSIMO TURNO\n"
                         "Esc: chiude le regole, o esce dal torneo";
const char* const kColourNames[4] = {"blu", "giallo", "rosso", "verde"};

// Seats: the turn marker (a disc) sits beside each seat's name on its plate.
constexpr int kMarker = 330;
constexpr double kSeatPoints = 9.75;
constexpr double kCounterPoints = 11.25;
constexpr double kCaptionPoints = 8.25;

// Boards: a monospace face, so the header words are column positions.
constexpr int kBoardLeft = 14300, kBoardWidth = 14260;
constexpr int kBoardTextLeft = kBoardLeft + 100;
constexpr int kScoreboardTop = 120;
constexpr int kStandingsTop = 6770;
constexpr int kScoreRows = 20, kStandingRows = 4;
constexpr int kFlagWidth = 280, kFlagHeight = 210;

struct SeatPlace {
    int plateLeft, plateTop, plateWidth;
    int flagLeft, nameLeft, nameWidth;
    int counterLeft, counterTop, counterWidth;
    Align counterAlign;
    int backLeft, backTop; // the computer seats' card backs
    int cardLeft, cardTop; // the card the seat plays
};

// Seat 0 top, 1 right, 2 bottom, 3 (the human) left, each around its turn marker position. Each
// seat's counters (three stacked at Brisolo) stand clear of its plate; the human's fit between his
// plate and the card he plays.
constexpr SeatPlace kSeats[4] = {
    {6480, 1120, 3400, 7000, 7470, 2380, 5560, 1354, 840, Align::Right, 4360, 960, 6345, 2250},
    {10200, 5305, 3400, 10720, 11190, 2380, 11140, 4440, 900, Align::Left, 10350, 4060, 8900, kCentreRowTop},
    {6480, 9400, 3400, 7000, 7470, 2380, 5560, 9634, 840, Align::Right, 4360, 9240, 6345, 7900},
    {40, 5305, 3170, 2300, 110, 2170, 3290, 5554, 500, Align::Left, 0, 0, 4290, kCentreRowTop},
};
// Brisolo's captions of the three counters of each seat, on the side of the numbers away from the
// plate (the far and near seats' card backs stand clear of them).
constexpr int kCounterCaptionLeft[4] = {5100, 12060, 5100, 3800};
constexpr int kCounterCaptionWidth = 440;
const char kCounterHelp[] = "Pu: punti delle carte vinte\nMa: manche vinte\nMP: punti della manche migliore";

int boardLine() {
    return BoardColumns::kLinePitch;
}

// The dark sheet behind a board (item 0 the scoreboard, 1 the standings board).
void boardSheet(Window& w, int item, Control* panel, int top, int height) {
    w.addArray("BoardSheet", item, item, ControlKind::Shape, panel);
    Control& sheet = w("BoardSheet", item);
    look::place(sheet, kBoardLeft, top, kBoardWidth, height);
    sheet.backTransparent = false;
    sheet.backColor = kBoardSheet;
    sheet.borderColor = look::kBrass;
    sheet.radius = 160;
}

Control& boardText(Window& w, int item, Control* panel, int top, int lines, std::uint32_t colour, bool bold) {
    w.addArray("Label38", item, item, ControlKind::Label, panel);
    Control& label = w("Label38", item);
    look::place(label, kBoardTextLeft, top, 2000, lines * boardLine() + 40);
    label.font = {BoardColumns::kFontFamily, BoardColumns::kFontSize, bold, false};
    label.foreColor = colour;
    label.backTransparent = true;
    label.wordWrap = false;
    label.linePitch = boardLine();
    label.glyphWidth = BoardColumns::kGlyphWidth;
    return label;
}

void buildTable(Window& w, Control* table) {
    look::card(w, "TableRim", table, kFeltLeft - 130, kFeltTop - 130, kFeltWidth + 260, kFeltHeight + 260,
               kWood, look::kBrass, 3000);
    look::card(w, "TableFelt", table, kFeltLeft, kFeltTop, kFeltWidth, kFeltHeight, kTableFelt, kFeltLine,
               2880);
    Control& line = look::card(w, "TableLine", table, kFeltLeft + 420, kFeltTop + 420, kFeltWidth - 840,
                               kFeltHeight - 840, kTableFelt, kFeltLine, 2500);
    line.backTransparent = true;
}

void buildSeats(Window& w, Control* table) {
    w.addArray("SeatPlate", 0, 3, ControlKind::Shape, table);
    for (int seat = 0; seat < 4; ++seat) {
        const SeatPlace& p = kSeats[seat];
        Control& plate = w("SeatPlate", seat);
        look::place(plate, p.plateLeft, p.plateTop, p.plateWidth, 760);
        plate.backTransparent = false;
        plate.backColor = kPlate;
        plate.borderColor = seat == 3 ? look::kGold : look::kBrass;
        plate.radius = 160;
    }
    w.addArray("Label38", 0, 3, ControlKind::Label, table);
    w.addArray("Image12", 0, 3, ControlKind::Picture, table);
    w.addArray("Label40", 0, 3, ControlKind::Label, table);
    w.addArray("Image10", 0, 3, ControlKind::Picture, table);
    w.addArray("Label83", 0, 3, ControlKind::Label, table);
    const int nameHeight = 3 * look::lineHeight(kSeatPoints);
    for (int seat = 0; seat < 4; ++seat) {
        const SeatPlace& p = kSeats[seat];
        const int middle = p.plateTop + 380;
        Control& name = w("Label38", seat);
        look::place(name, p.nameLeft, middle - nameHeight / 2, p.nameWidth, nameHeight + 20);
        look::caption(name, kSeatPoints, false, look::kIvory);
        name.wordWrap = false;
        look::place(w("Image12", seat), p.flagLeft, middle - 150, 400, 300);

        // Cards in hand (Uno) or points (Hearts; Brisolo shows three lines).
        Control& counter = w("Label40", seat);
        look::place(counter, p.counterLeft, p.counterTop, p.counterWidth,
                    3 * look::lineHeight(kCounterPoints));
        look::caption(counter, kCounterPoints, true, look::kGold, p.counterAlign);
        counter.wordWrap = false;
        // Brisolo's three counters, named beside their lines and in full on the pointer.
        Control& names = w("Label83", seat);
        names.text = "Pu\nMa\nMP";
        const int lift = (look::lineHeight(kCounterPoints) - look::lineHeight(kCaptionPoints)) / 2;
        look::place(names, kCounterCaptionLeft[seat], p.counterTop + lift, kCounterCaptionWidth,
                    3 * look::lineHeight(kCounterPoints));
        look::caption(names, kCaptionPoints, false, look::kIvory, seat == 0 || seat == 2 ? Align::Right : Align::Left);
        names.linePitch = look::lineHeight(kCounterPoints);
        names.wordWrap = false;
        names.visible = false;
        names.toolTip = kCounterHelp;

        Control& back = w("Image10", seat);
        back.clickable = true;
        if (seat < 3) look::place(back, p.backLeft, p.backTop, 700, 1050);
    }
    // Item 3 is the human's draw pile, beside the discard pile; shown only while he may draw.
    Control& pile = w("Image10", 3);
    look::place(pile, 5340, kCentreRowTop, kCardWidth, kCardHeight);
    pile.visible = false;
    pile.toolTip = "Pesca una carta (P)";
}

// Items 0..3 of a picture array on the places of the cards the four seats play, hidden.
void addSeatCards(Window& w, const char* name, int last, Control* table) {
    w.addArray(name, 0, last, ControlKind::Picture, table);
    for (int seat = 0; seat < 4; ++seat) {
        Control& card = w(name, seat);
        look::place(card, kSeats[seat].cardLeft, kSeats[seat].cardTop, kCardWidth, kCardHeight);
        card.visible = false;
    }
}

void buildCentre(Window& w, Control* table) {
    addSeatCards(w, "Image9", 4, table);
    look::place(w("Image9", 4), 6345, kCentreRowTop, kCardWidth, kCardHeight); // the discard pile

    look::place(w.add("Image13", ControlKind::Picture, table), 6445, 4430, 640, 480); // direction of play
    Control& colour = w.add("Label43", ControlKind::Label, table);                    // colour in force
    look::place(colour, 7380, kCentreRowTop + 390, 480, 480);
    colour.backTransparent = false;
    colour.backColor = 0xFF0000;
    colour.border = true;
    colour.borderColor = look::kIvory;
    colour.radius = 240;

    // Brisolo: the points of the manche being played, in the middle of the table.
    Control& manche = w.add("Label51", ControlKind::Label, table);
    look::place(manche, 6045, kCentreRowTop + 380, 1440, look::lineHeight(19.5) + 40);
    look::caption(manche, 19.5, true, look::kGold, Align::Center);
    manche.wordWrap = false;
    manche.toolTip = "Punti della manche in corso: li prende chi la vince";
    Control& mancheCaption = w.add("Label82", ControlKind::Label, table);
    look::place(mancheCaption, 5565, manche.top + manche.height, 2400, look::lineHeight(kCaptionPoints) + 40);
    look::caption(mancheCaption, kCaptionPoints, false, look::kIvory, Align::Center);
    mancheCaption.text = "punti della manche";
    mancheCaption.wordWrap = false;
    mancheCaption.visible = false;
    mancheCaption.toolTip = manche.toolTip;
}

// The last trick taken, held over the places of the cards played (Image23), and each seat's won
// cards beside its plate (Image24), which call that trick back.
void buildTrickCues(Window& w, Control* table) {
    addSeatCards(w, "Image23", 3, table);
    constexpr Box kPiles[4] = {
        {10020, 1140, 480, 720}, {10350, 6200, 480, 720}, {10020, 9420, 480, 720}, {2450, 6200, 480, 720}};
    w.addArray("Image24", 0, 3, ControlKind::Picture, table);
    for (int seat = 0; seat < 4; ++seat) {
        Control& pile = w("Image24", seat);
        const Box& box = kPiles[seat];
        look::place(pile, box.left, box.top, box.width, box.height);
        pile.clickable = true;
        pile.visible = false;
    }
}

// Label56: how the human's table has left him, across the upper felt, clear of the buttons below.
void buildOutcomeBanner(Window& w, Control* table) {
    Control& banner = w.add("Label56", ControlKind::Label, table);
    // Between the far seat's card (down to 3510) and Uno's direction of play (from 4430).
    look::place(banner, 2400, 3560, 7800, 2 * look::lineHeight(14) + 200);
    look::pill(banner, 14, look::kBrass, look::kInk, look::kGold);
    banner.radius = 240;
    banner.visible = false;
}

// Label70: the last moves at the table, newest first, in the free corner of the felt above the
// human's seat, left of the far seat's card and above the banner.
void buildMoveLog(Window& w, Control* table) {
    Control& log = w.add("Label70", ControlKind::Label, table);
    look::place(log, 2250, 2120, 4000, 1400);
    look::caption(log, 8.25, false, look::kIvory);
    log.wordWrap = true;
}

void buildHand(Window& w, Control* table) {
    // Lit under the hand while the human is to play, so the row reads as his and not the bottom
    // seat's; the frame sizes it to the cards he holds.
    Control& row = w.add("HandRow", ControlKind::Shape, table);
    look::place(row, kHandLeft - 90, kHandTop - 90 - 180, kHandWidth + 180, kHandHeight + 180 + 180);
    row.backTransparent = false;
    row.backColor = 0x2E7D4F;
    row.borderColor = 0xFFD54A;
    row.radius = 160;
    row.visible = false;
    w.addArray("Image11", 0, 29, ControlKind::Picture, table);
    for (int slot = 0; slot < 27; ++slot) {
        Control& card = w("Image11", slot);
        look::place(card, kHandLeft + slot * kHandStep, kHandTop, kHandWidth, kHandHeight);
        card.clickable = true;
        card.visible = false;
    }
    // Hearts: the three cards set aside to pass, in the middle of the table.
    for (int place = 0; place < 3; ++place) {
        Control& card = w("Image11", 27 + place);
        look::place(card, 5340 + place * 1005, kCentreRowTop, kCardWidth, kCardHeight);
        card.clickable = true;
        card.visible = false;
    }
}

void buildButtons(Window& w, Control* table) {
    // Uno colour choice after a wild card: blu, giallo, rosso, verde, each with its initial so the
    // colour is named as well as shown.
    const std::uint32_t colours[4] = {0x1A89EE, 0xFFFF00, 0xFF0000, 0x00FF00};
    const char* initials[4] = {"B", "G", "R", "V"};
    w.addArray("Label48", 0, 3, ControlKind::Label, table);
    for (int k = 0; k < 4; ++k) {
        Control& button = w("Label48", k);
        button.text = initials[k];
        look::place(button, 5510 + k * 650, 6450, 560, 420);
        look::pill(button, 10.5, colours[k], look::kInk, look::kIvory);
        button.font.bold = true;
        button.visible = false;
        button.toolTip =
            std::string(kColourNames[k]) + " (" + std::to_string(k + 1) + " o " + initials[k] + ")";
    }
    addHiddenButton(w, table, "Label44", "Passa", {6015, 6450, 1500, 420}, kSmallButton);
    addHiddenButton(w, table, "Label54", "Passa 3 carte - destra", {4965, 6450, 3600, 420}, kSmallButton);
    addHiddenButton(w, table, "Label42", "INIZIA", {5565, 6980, 2400, 560}, kLargeButton);
    addHiddenButton(w, table, "Label49", "PROSSIMO TURNO", {4965, 6980, 3600, 560}, kLargeButton);
    w("Label44").toolTip = "Passa il turno (S)";
    w("Label54").toolTip = "Scegli tre carte da passare (Spazio), poi Invio";
    w("Label42").toolTip = "Invio";
    w("Label49").toolTip = "Invio";

    // What the human is asked to do (the Hearts pass, Uno's colour), under the buttons it is for.
    Control& prompt = w.add("Label85", ControlKind::Label, table);
    look::place(prompt, 3000, 6920, 7530, look::lineHeight(10.5) + 40);
    look::caption(prompt, 10.5, true, look::kIvory, Align::Center);
    prompt.wordWrap = false;
    prompt.visible = false;

    w.addArray("Label38", 21, 21, ControlKind::Label, table);
    Control& notice = w("Label38", 21);
    notice.text = "ATTENDERE LA FINE DEL TURNO...";
    look::place(notice, 3000, 7060, 7530, look::lineHeight(10.5) + 40);
    look::caption(notice, 10.5, true, look::kGold, Align::Center);
    notice.wordWrap = false;
    notice.visible = false;
}

void buildScoreboard(Window& w, Control* table) {
    const int line = boardLine();
    const int headerTop = kScoreboardTop + 100;
    const int rowsTop = headerTop + line + 40;
    boardSheet(w, 0, table, kScoreboardTop, rowsTop + kScoreRows * line + 110 - kScoreboardTop);
    // Stripes behind every second line, shown by the games' scoreboards with their lines.
    w.addArray("Label23", 50, 59, ControlKind::Label, table);
    for (int k = 0; k < 10; ++k) {
        Control& stripe = w("Label23", 50 + k);
        look::place(stripe, kBoardLeft + 40, rowsTop + 2 * k * line, kBoardWidth - 80, line);
        stripe.backTransparent = false;
        stripe.backColor = look::kStripeFelt;
        stripe.visible = false;
    }
    w.addArray("Image15", 0, kScoreRows - 1, ControlKind::Picture, table);
    for (int k = 0; k < kScoreRows; ++k) {
        Control& flag = w("Image15", k);
        look::place(flag, kBoardTextLeft, rowsTop + k * line + (line - kFlagHeight) / 2, kFlagWidth,
                    kFlagHeight);
        flag.visible = false;
    }
    boardText(w, 11, table, headerTop, 1, look::kGold, true).width = kBoardWidth - 200;
    for (int item : {12, 13, 14, 15, 16, 22, 23, 27})
        boardText(w, item, table, rowsTop, kScoreRows, look::kIvory, false);
    boardText(w, 19, table, rowsTop, kScoreRows, kGoesOn, true);
    boardText(w, 17, table, rowsTop, kScoreRows, kOut, true);
}

void buildStandings(Window& w, Control* table) {
    const int line = boardLine();
    const int comboTop = kStandingsTop + 110;
    const int headerTop = comboTop + 430;
    const int rowsTop = headerTop + line + 40;
    boardSheet(w, 1, table, kStandingsTop, rowsTop + kStandingRows * line + 110 - kStandingsTop);
    Control& chooser = w.add("Combo7", ControlKind::Combo, table); // the table shown
    look::place(chooser, kBoardTextLeft, comboTop, 1300, 340);
    chooser.font = {"DejaVu Sans", 9, true, false};
    chooser.backTransparent = false;
    chooser.backColor = look::kIvory;
    chooser.foreColor = look::kInk;
    w.addArray("Image14", 0, kStandingRows - 1, ControlKind::Picture, table);
    for (int k = 0; k < kStandingRows; ++k) {
        Control& flag = w("Image14", k);
        look::place(flag, kBoardTextLeft, rowsTop + k * line + (line - kFlagHeight) / 2, kFlagWidth,
                    kFlagHeight);
        flag.visible = false;
    }
    boardText(w, 9, table, headerTop, 1, look::kGold, true).width = kBoardWidth - 200;
    for (int item : {4, 6, 7, 8, 24, 25, 26})
        boardText(w, item, table, rowsTop, kStandingRows, look::kIvory, false);
    boardText(w, 18, table, rowsTop, kStandingRows, kGoesOn, true);
    boardText(w, 5, table, rowsTop, kStandingRows, kOut, true);
}

void buildCaptions(Window& w, Control* table) {
    w.addArray("Label38", 20, 20, ControlKind::Label, table); // the round
    Control& round = w("Label38", 20);
    look::place(round, kBoardLeft, 9020, kBoardWidth, look::lineHeight(24) + 60);
    look::caption(round, 24, true, look::kGold, Align::Center);
    round.wordWrap = false;
    w.addArray("Label38", 10, 10, ControlKind::Label, table); // the human's table
    Control& caption = w("Label38", 10);
    look::place(caption, kBoardLeft, 9660, kBoardWidth, look::lineHeight(15) + 40);
    look::caption(caption, 15, false, look::kIvory, Align::Center);
    caption.wordWrap = false;

    Control& rules = w.add("Label45", ControlKind::Label, table);
    rules.text = "I";
    look::place(rules, 25560, 10180, 520, 520);
    look::pill(rules, 13.5, look::kDeepFelt, look::kGold, look::kBrass);
    rules.font.family = "DejaVu Serif";
    rules.toolTip = kKeysHelp;
    Control& leave = w.add("Label41", ControlKind::Label, table);
    leave.text = "Esci";
    look::place(leave, 26260, 10180, 2100, 520);
    look::pill(leave, 13.5, look::kDeepFelt, look::kIvory, look::kBrass);
    leave.toolTip = "Lascia il torneo (Esc)";
}

// The pace of the table and the skip to the round's result. The pace (Combo12) sits with the
// table's other controls under the boards, reachable all through play; the skip (Label55) comes up
// under the waiting notice, away from "PROSSIMO TURNO" so that a hurried second click on it cannot
// land on the next round.
void buildPace(Window& w, Control* table) {
    Control& pace = w.add("Combo12", ControlKind::Combo, table);
    look::place(pace, kBoardLeft + 100, 9730, 2400, 340);
    pace.font = {"DejaVu Sans", 9, true, false};
    pace.backTransparent = false;
    pace.backColor = look::kIvory;
    pace.foreColor = look::kInk;
    pace.items = {"Normale", "Veloce", "Rapida"}; // the first is the game's own pace
    pace.toolTip = "Velocità del tavolo: Normale, Veloce (3 volte) o Rapida (10 volte)";
    Control& caption = w.add("Label84", ControlKind::Label, table);
    look::place(caption, kBoardLeft - 1700, 9730 + 40, 1600, look::lineHeight(9) + 40);
    look::caption(caption, 9, true, look::kIvory, Align::Right);
    caption.text = "Velocità";
    caption.wordWrap = false;
    pace.text = pace.items.front();
    pace.listIndex = 0;
    addHiddenButton(w, table, "Label55", "Salta al risultato", {5115, 7560, 3300, 340}, kSmallButton);
}

void buildMarker(Window& w, Control* table) {
    Control& marker = w.add("Shape1", ControlKind::Shape, table); // whose turn it is
    look::place(marker, 2760, 5520, kMarker, kMarker);
    marker.backTransparent = false;
    marker.backColor = look::kGold;
    marker.borderColor = look::kInk;
    marker.radius = kMarker / 2;
}

// Picture6: the rule sheet over the table, with its close button.
void buildRulePanel(Window& w) {
    // Over the felt and the boards (the table panel starts 3120 twips down the window).
    Control* panel = &w("Picture6");
    look::place(*panel, 1400, 5600, 19800, 6400);
    panel->backColor = look::kIvory;
    panel->borderColor = look::kBrass;
    panel->radius = 240;
    Control& sheet = w.add("Label46", ControlKind::Label, panel);
    look::place(sheet, 450, 450, 9700, 5700);
    look::caption(sheet, 12, false, look::kInk);
    sheet.wordWrap = true;
    Control& close = w.add("Label47", ControlKind::Label, panel);
    close.text = "X";
    look::place(close, 19200, 150, 450, 450);
    look::pill(close, 12, look::kBrass, look::kInk, look::kGold);
    close.toolTip = "Chiudi (Esc)";
    // Beside the rules: what each column of the boards holds.
    Control& legend = w.add("Label86", ControlKind::Label, panel);
    look::place(legend, 10450, 450, 8700, 5700);
    look::caption(legend, 10.5, false, look::kInk);
    legend.wordWrap = true;
}

} // namespace

std::vector<SlideRoute> tableSlides() {
    std::vector<SlideRoute> routes;
    // The computer seats play from their card backs; the human's card comes from his hand (found
    // by its picture), the plate of his seat standing in for it. Uno's discard pile takes his card
    // the same way.
    for (int seat = 0; seat < 3; ++seat)
        routes.push_back({"Image9", seat, "Image10", seat, false});
    routes.push_back({"Image9", 3, "SeatPlate", 3, false});
    routes.push_back({"Image9", 4, "", -1, false});
    routes.push_back({"Image23", -1, "SeatPlate", -1, true});
    return routes;
}

void buildTableScreen(Window& w) {
    Control* table = &w("Picture5");
    buildTable(w, table);
    buildScoreboard(w, table);
    buildStandings(w, table);
    buildSeats(w, table);
    buildCentre(w, table);
    buildTrickCues(w, table);
    buildMoveLog(w, table);
    buildHand(w, table);
    buildButtons(w, table);
    buildCaptions(w, table);
    buildPace(w, table);
    buildMarker(w, table);
    buildOutcomeBanner(w, table);
    buildRulePanel(w);

    // Designed timer intervals (ms); the games set them again as they start.
    const int intervals[Window::kTimers] = {500, 5000, 1000, 2000, 7000, 1000, 3000, 7000};
    for (int t = 1; t <= Window::kTimers; ++t)
        w.timer(t).setInterval(intervals[t - 1]);
}

} // namespace velmora
