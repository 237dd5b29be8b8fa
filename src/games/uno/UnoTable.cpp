#include "games/uno/UnoTable.h"

#include "cards/Decks.h"
#include "games/uno/UnoRules.h"
#include "state/GameContext.h"
#include "tournament/HandDisplay.h"
#include "tournament/Scoreboard.h"
#include "tournament/TableEvents.h"
#include "tournament/TableFlow.h"
#include "ui/DisabledWindow.h"

#include <algorithm>
#include <string>
#include <vector>

namespace velmora {

namespace {

// The colour each colour button names, by item.
constexpr const char* kButtonColours[4] = {"blu", "giallo", "rosso", "verde"};

} // namespace

std::string UnoTable::boardHeader() {
    return "Naz  El Tav Car  Giocatore" + std::string(103, ' ') + "Rank  Punti";
}

void UnoTable::setUp() {
    // A new table: nothing of the last one carries over.
    f.handOver = 0;
    f.humanFinished = 0;
    m_emptied.clear();
    f.drawCount = 0;
    f.drewCard = 0;
    f.playSlot = -1;
    f.humanPlayStep = 0;
    f.tablePhase = 1;
    f.timer(3).setEnabled(false);
    f.timer(4).setEnabled(false);

    // A table left while he waited for the others must not hand its waiting notice to this one.
    f.c("Label38", board::kNotice).visible = false;
    f.c("Label54").visible = false;
    f.c("Label49").visible = false;
    f.c("Image9", 4).visible = true;
    f.c("Label43").visible = true;
    f.c("Label38", board::kHeader).text = boardHeader();
    for (int item : board::kScoreColumns)
        f.c("Label38", item).text.clear();

    f.timer(3).setInterval(1000);
    f.timer(1).setInterval(500);
    f.timer(2).setInterval(5000);
    f.timer(4).setInterval(2000);
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;
    for (int k = 0; k < 4; ++k)
        f.c("Label48", k).visible = false;

    f.playDirection = "orario";
    f.loadPicture(f.c("Image13"), "\\immagini\\sx.gif");
    f.c("Image13").visible = true; // a Hearts table hides it
    for (int seat = 0; seat < 4; ++seat) {
        f.loadPicture(f.c("Image10", seat), "\\immagini\\" + f.currentGame + "\\dietro.jpg");
        f.c("Label40", seat).text = "10";
    }

    f.tableFlow().groupTablePlayers();
    f.tableFlow().showSeats();

    f.unoDeck = buildUnoDeck();
    f.deckTop = static_cast<int>(f.unoDeck.size()) - 1;
    shuffleDeck(f.unoDeck, true, f.temp(), f.random());
    f.dealIndex = 0;
    f.deckReturnIndex = 0;
    f.unoOutOfPlay.clear();
    f.pileOutOfPlay = -1;

    dealHands(f.unoDeck, f.seatHand, 10, f.dealIndex);
    f.tableEvents().raise(TableEvent::Kind::Deal, -1, "", 10);
    f.handDisplay().showUnoHand();
    // Column 7 of the four players follows the cards they really hold from the deal on (a new round
    // may have left another count there), and the scoreboard shows it before "INIZIA".
    refreshCardCounts();
    drawScoreboard();

    f.discardTop = f.unoDeck[static_cast<size_t>(f.dealIndex)];
    f.dealIndex = (f.dealIndex + 1) % kDeckSize;
    // The first card stays on the table: it is not part of the ring any more.
    f.unoOutOfPlay.push_back(f.discardTop);
    f.pileOutOfPlay = 0;
    f.loadPicture(f.c("Image9", 4), "\\immagini\\" + f.currentGame + "\\" + f.discardTop.code() + ".jpg");
    setCurrentColour(f.discardTop.colour.str());

    f.c("Label44").visible = false;
    f.turnSeat = static_cast<int>(f.random().upTo(3));
    f.c("Image10", 3).visible = f.turnSeat == 3;
    f.tableFlow().moveTurnMarker(f.turnSeat);

    f.c("Label42").visible = true;
    f.c("Picture5").visible = true;
}

bool UnoTable::colourChoicePending() {
    return f.c("Label48", 0).visible && f.c("Label48", 1).visible;
}

bool UnoTable::drawOwed() {
    // A computer's draw card leaves its count for the next tick; the human's +4 draws two steps
    // after its colour is chosen (his +2 draws at once).
    const bool humanDrawAhead = f.timer(4).enabled() && f.humanPlayStep >= 3;
    return f.drawCount > 1 || humanDrawAhead;
}

bool UnoTable::humanMayAct() {
    return f.turnSeat == 3 && f.handOver == 0 && !f.timer(3).enabled() && !f.timer(4).enabled();
}

bool UnoTable::humanToPlay() {
    // While a wild card waits for its colour the human has played his card for this turn.
    return humanMayAct() && !colourChoicePending();
}

bool UnoTable::humanMayPlaySlot(int index) {
    if (!humanToPlay() || index < 0 || index >= kHandSlots) return false;
    return humanMayPlay(f.seatHand[3][static_cast<size_t>(index)], f.discardTop, currentColour());
}

void UnoTable::cardClick(int index) {
    if (!humanMayPlaySlot(index)) return;
    const Card card = f.seatHand[3][static_cast<size_t>(index)];

    f.c("Label44").visible = false;
    f.c("Image11", index).visible = false;
    f.playSlot = index;
    // Playing ends the turn: a card drawn before it does not count as the next seat's draw.
    f.drewCard = 0;
    f.discardTop = card;
    showHumanCard(3, card);
    f.c("Image10", 3).visible = false;
    if (isWildValue(card.value)) {
        for (int k = 0; k < 4; ++k)
            f.c("Label48", k).visible = true;
        return;
    }
    f.humanPlayStep = 1;
    f.timer(4).setEnabled(true);
}

void UnoTable::Label48_Click(int index) {
    if (!colourChoicePending() || index < 0 || index > 3) return;
    if (f.playSlot < 0 || f.turnSeat != 3 || f.handOver != 0) return;
    for (int k = 0; k < 4; ++k)
        f.c("Label48", k).visible = k == index;
    setCurrentColour(kButtonColours[index]);
    tellLaid(3, f.discardTop);
    showHumanCard(4, f.discardTop);
    takeHumanCard();

    if (f.discardTop.value.is("cambiacolore")) {
        f.turnSeat = f.playDirection == "orario" ? 0 : 2;
        f.tableFlow().moveTurnMarker(f.turnSeat);
        f.c("Image9", 3).visible = false;
        for (int k = 0; k < 4; ++k)
            f.c("Label48", k).visible = false;
        stepTurn();
        f.tableFlow().moveTurnMarker(f.turnSeat);
        finishCheck();
        f.timer(4).setEnabled(false);
        resumeComputers();
    } else {
        for (int k = 0; k < 4; ++k)
            f.c("Label48", k).visible = false;
        // The seat after the human draws four and is skipped: the turn goes two seats on.
        f.turnSeat = 1;
        f.c("Image9", 3).visible = false;
        f.humanPlayStep = 3;
        f.timer(3).setEnabled(false);
        f.timer(4).setEnabled(true);
        stepTurn();
        f.tableFlow().moveTurnMarker(f.turnSeat);
    }
}

void UnoTable::Image10_Click(int index) {
    if (f.c("Label42").visible || index != 3) return;
    // The pile is offered once a turn, and not once a card is played.
    if (!f.c("Image10", 3).visible || !humanMayAct() || colourChoicePending()) return;
    f.c("Label44").visible = true;
    f.c("Image10", 3).visible = false;
    f.drawSeat = 3;
    stepDrawSeat();
    f.drawCount = 1;
    drawCards();
    f.drawCount = 0;
}

void UnoTable::Label44_Click() {
    if (f.c("Label42").visible || !humanMayAct() || colourChoicePending()) return;
    f.turnSeat = f.playDirection == "orario" ? 0 : 2;
    stepTurn();
    f.tableFlow().moveTurnMarker(f.turnSeat);
    f.c("Label44").visible = false;
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;
    for (int k = 0; k < 4; ++k)
        f.c("Label48", k).visible = false;
    finishCheck();
    f.drewCard = 0;
    resumeComputers();
}

void UnoTable::Timer4_Timer() {
    const bool orario = f.playDirection == "orario";
    switch (f.humanPlayStep) {
    case 1: {
        f.c("Image9", 3).visible = false;
        showHumanCard(4, f.discardTop);
        setCurrentColour(f.discardTop.colour.str());
        tellLaid(3, f.discardTop);
        const Value& value = f.discardTop.value;
        const bool drawTwo = value.is("piu2");
        if (drawTwo) {
            f.turnSeat = 1;
            f.drawSeat = orario ? 0 : 2;
        } else if (value.is("cambiagiro")) {
            f.playDirection = reversedDirection(f.playDirection);
            f.turnSeat = orario ? 2 : 0;
            f.loadPicture(f.c("Image13"), orario ? "\\immagini\\dx.gif" : "\\immagini\\sx.gif");
            tellDirection();
        } else if (value.is("saltaturno")) {
            f.turnSeat = 1;
        } else {
            f.turnSeat = orario ? 0 : 2;
        }
        if (drawTwo) {
            f.drawCount = 2;
            f.humanPlayStep = 3;
        } else {
            f.humanPlayStep = 2;
        }
        stepTurn();
        // Only a draw card has a victim; the draw seat left from an earlier draw must not push
        // the turn on.
        if (drawTwo) stepDrawSeat();
        if (value.is("saltaturno") && f.turnSeat == 1 && seatFinished(orario ? 0 : 2)) {
            // The skip falls on the next seat still playing.
            f.turnSeat = orario ? 2 : 0;
        }
        f.tableFlow().moveTurnMarker(f.turnSeat);
        takeHumanCard();
        f.c("Label44").visible = false;
        f.c("Image10", 3).visible = false;
        if (drawTwo) {
            drawCards();
            f.drawCount = 0;
            refreshCardCounts();
            f.timer(4).setEnabled(false);
            finishCheck();
            resumeComputers();
        }
        break;
    }
    case 2:
        f.c("Image9", 3).visible = false;
        f.timer(4).setEnabled(false);
        finishCheck();
        resumeComputers();
        break;
    case 3:
        f.drawSeat = orario ? 0 : 2;
        stepDrawSeat();
        f.loadPicture(f.c("Image9", f.drawSeat), "\\immagini\\uno\\dietro.jpg");
        f.c("Image9", f.drawSeat).visible = true;
        f.humanPlayStep = 4;
        break;
    case 4:
        f.drawCount = 4;
        drawCards();
        f.drawCount = 0;
        refreshCardCounts();
        f.c("Image9", 0).visible = false;
        f.c("Image9", 2).visible = false;
        f.timer(4).setEnabled(false);
        finishCheck();
        resumeComputers();
        break;
    default:
        f.timer(4).setEnabled(false);
        break;
    }
}

void UnoTable::takeHumanCard() {
    if (f.playSlot < 0 || f.playSlot >= kHandSlots) return;
    Card& slot = f.seatHand[3][static_cast<size_t>(f.playSlot)];
    // The human's cards are not written back into the deck: they stay out of play.
    f.unoOutOfPlay.push_back(slot);
    f.pileOutOfPlay = static_cast<int>(f.unoOutOfPlay.size()) - 1;
    slot = Card{};
    closeGap(f.seatHand[3]);
    f.handDisplay().showUnoHand();
    refreshCardCounts();
}

void UnoTable::resumeComputers() {
    f.tablePhase = 1;
    // Once the table is over nothing moves any more.
    if (f.handOver == 0) f.timer(3).setEnabled(true);
}

void UnoTable::showHumanCard(int picture, const Card& card) {
    Control& control = f.c("Image9", picture);
    f.loadPicture(control, "\\immagini\\uno\\" + card.code() + ".jpg");
    control.visible = true;
}

int UnoTable::cardsToDraw() const {
    return ((f.deckReturnIndex - f.dealIndex) % kDeckSize + kDeckSize) % kDeckSize;
}

void UnoTable::refillDeck() {
    // The card on the pile stays there; everything else that left play is written back in the
    // order it left, just as the computer seats write back theirs.
    std::vector<Card> kept;
    for (int i = 0; i < static_cast<int>(f.unoOutOfPlay.size()); ++i) {
        const Card& card = f.unoOutOfPlay[static_cast<size_t>(i)];
        if (i == f.pileOutOfPlay) {
            kept.push_back(card);
            continue;
        }
        f.unoDeck[static_cast<size_t>(f.deckReturnIndex)] = card;
        f.deckReturnIndex = (f.deckReturnIndex + 1) % kDeckSize;
    }
    f.pileOutOfPlay = kept.empty() ? -1 : 0;
    f.unoOutOfPlay = std::move(kept);
}

void UnoTable::drawCards() {
    Hand& hand = f.seatHand[static_cast<size_t>(f.drawSeat)];
    TableEvent event;
    event.seat = f.drawSeat;
    event.count = f.drawCount;
    if (f.drawCount > 1) {
        event.kind = TableEvent::Kind::PenaltyDraw;
        event.card = f.discardTop.code();
        if (f.discardTop.value.is("piu4")) event.colour = currentColour();
    } else {
        event.kind = TableEvent::Kind::CardDrawn;
        // Only the human sees the card he draws.
        if (f.drawSeat == 3 && cardsToDraw() > 0) event.card = f.unoDeck[static_cast<size_t>(f.dealIndex)].code();
    }
    for (int n = 0; n < f.drawCount; ++n) {
        // A dry deck would hand out cards that are already in play.
        if (cardsToDraw() == 0) refillDeck();
        if (cardsToDraw() == 0) break;
        const Card card = f.unoDeck[static_cast<size_t>(f.dealIndex)];
        f.dealIndex = (f.dealIndex + 1) % kDeckSize;
        bool placed = false;
        for (Card& slot : hand) {
            if (slot.empty()) {
                slot = card;
                placed = true;
                break;
            }
        }
        // A full hand takes nothing: the card drawn leaves play.
        if (!placed) f.unoOutOfPlay.push_back(card);
    }
    Control& back = f.c("Image9", f.drawSeat);
    f.loadPicture(back, "\\immagini\\" + f.currentGame + "\\dietro.jpg");
    back.visible = true;
    if (f.drawSeat == 3) f.handDisplay().showUnoHand();
    f.tableEvents().raise(std::move(event));
    refreshCardCounts();
    if (f.drawCount == 1) f.drewCard = 1;
}

void UnoTable::tellLaid(int seat, const Card& card) {
    TableEvent event;
    event.kind = TableEvent::Kind::CardLaid;
    event.seat = seat;
    event.card = card.code();
    if (card.value.is("cambiacolore")) event.colour = currentColour();
    f.tableEvents().raise(std::move(event));
}

void UnoTable::tellDirection() {
    TableEvent event;
    event.kind = TableEvent::Kind::DirectionChanged;
    event.colour = f.playDirection;
    f.tableEvents().raise(std::move(event));
}

void UnoTable::refreshCardCounts() {
    for (int seat = 0; seat < 4; ++seat) {
        int cards = 0;
        for (const Card& card : f.seatHand[static_cast<size_t>(seat)]) {
            if (!card.empty()) ++cards;
        }
        Control& counter = f.c("Label40", seat);
        const std::string before = counter.text;
        counter.text = std::to_string(cards);
        if (cards <= 1 && before != counter.text)
            f.tableEvents().raise(cards == 1 ? TableEvent::Kind::LastCard : TableEvent::Kind::HandEmptied, seat);
        const auto emptied = std::find(m_emptied.begin(), m_emptied.end(), seat);
        if (cards == 0 && emptied == m_emptied.end()) m_emptied.push_back(seat);
        if (cards > 0 && emptied != m_emptied.end()) m_emptied.erase(emptied);

        const EntrantRow& player = f.seatNames[static_cast<size_t>(seat)];
        if (player[0].isEmpty()) continue;
        const std::string surname = player[0].str();
        const std::string firstName = player[1].str();
        for (EntrantTable* table : {&f.tablePlayers, &f.roundPlayers}) {
            const int row = findEntrant(*table, surname, firstName);
            if (row >= 0) (*table)[static_cast<size_t>(row)][7] = Value(cards);
        }
        // The scoreboard may list the same player on several lines.
        for (EntrantRow& row : f.boardRows) {
            if (sameEntrant(row, surname, firstName)) row[entrant::kCards] = Value(cards);
        }
    }
}

bool UnoTable::seatFinished(int seat) {
    return f.c("Label40", seat).text == "0";
}

void UnoTable::stepTurn() {
    // At most three seats can be passed over; the bound keeps a table whose seats have all
    // finished from spinning for ever.
    for (int n = 0; n < 4 && seatFinished(f.turnSeat); ++n)
        f.turnSeat = nextSeat(f.turnSeat, f.playDirection);
}

void UnoTable::stepDrawSeat() {
    for (int n = 0; n < 4 && seatFinished(f.drawSeat); ++n) {
        f.drawSeat = nextSeat(f.drawSeat, f.playDirection);
        if (f.drawSeat == f.turnSeat) f.turnSeat = nextSeat(f.turnSeat, f.playDirection);
    }
    f.tableFlow().moveTurnMarker(f.turnSeat);
}

std::string UnoTable::currentColour() {
    return unoColourNamed(f.c("Label43").backColor);
}

void UnoTable::setCurrentColour(const std::string& colour) {
    if (unoColourNamed(unoColourRgb(colour)).empty()) return;
    f.c("Label43").backColor = unoColourRgb(colour);
}

void UnoTable::finishCheck() {
    DisabledWindow disabled(f.window());
    f.tableFlow().checkUnoTableEnd();
}

void UnoTable::drawScoreboard() {
    Scoreboard::draw(f,
                     {board::kCards, board::kTable, board::kName, board::kRank, board::kPoints, board::kOut,
                      board::kThrough},
                     [this](const EntrantRow& row, Scoreboard::Line& line) {
                         const int table = static_cast<int>(row[entrant::kTable].toInt());
                         bool decided = table == 0;
                         if (!decided && table >= 1 && 4 * table <= static_cast<int>(f.tablePlayers.size())) {
                             int emptied = 0;
                             for (int r = 4 * (table - 1); r < 4 * table; ++r) {
                                 if (f.tablePlayers[static_cast<size_t>(r)][entrant::kCards].isEmpty())
                                     ++emptied;
                             }
                             decided = emptied >= 2;
                         }
                         // At a decided table the two still holding cards are out, even before the round
                         // closes and marks them.
                         const bool isOut = row[entrant::kOut].toInt() == 1 ||
                                            (table != 0 && !row[entrant::kCards].isEmpty());
                         line[board::kCards] = row[entrant::kCards].str();
                         line[board::kTable] = row[entrant::kTable].str();
                         line[board::kName] =
                             row[entrant::kFirstName].str() + " " + row[entrant::kSurname].str();
                         line[board::kRank] = row[entrant::kWorldPosition].str();
                         line[board::kPoints] = row[entrant::kRankingPoints].str();
                         line[board::kThrough] = decided && !isOut ? "V" : "";
                         line[board::kOut] = decided && isOut ? "X" : "";
                     });
}

} // namespace velmora
