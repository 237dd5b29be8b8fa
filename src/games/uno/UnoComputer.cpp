#include "games/uno/UnoComputer.h"

#include "games/uno/UnoCardScoring.h"
#include "games/uno/UnoRules.h"
#include "games/uno/UnoTable.h"
#include "state/GameContext.h"
#include "tournament/TableFlow.h"

namespace velmora {

std::string UnoComputer::cardPicture(const std::string& code) const {
    return "\\immagini\\" + f.currentGame + "\\" + code + ".jpg";
}

void UnoComputer::Timer3_Timer() {
    UnoTable& table = m_table;
    int finished = 0;
    for (int seat = 0; seat < 4; ++seat) {
        if (table.seatFinished(seat)) ++finished;
    }
    if (finished >= 2) {
        f.timer(3).setEnabled(false);
        // The table is over; make sure the frame has closed it.
        if (f.handOver == 0) table.finishCheck();
        return;
    }
    switch (f.tablePhase) {
    case 1:
        evaluate();
        break;
    case 2:
        showOrDraw();
        break;
    case 3:
        apply();
        break;
    case 4:
        draw();
        break;
    default:
        f.tablePhase = 1;
        break;
    }
    endOfTick();
}

void UnoComputer::evaluate() {
    UnoTable& table = m_table;
    for (int k = 0; k < 4; ++k)
        f.c("Label48", k).visible = false;
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;
    f.drawCount = 0;
    const Hand& hand = f.seatHand[static_cast<size_t>(f.turnSeat)];
    for (int i = 0; i < kHandSlots; ++i)
        f.workHand[static_cast<size_t>(i)] = {hand[static_cast<size_t>(i)], 0};

    int next = nextSeat(f.turnSeat, f.playDirection);
    if (table.seatFinished(next)) next = nextSeat(next, f.playDirection);
    const int nextCards = static_cast<int>(Value(f.c("Label40", next).text).toInt());

    const UnoCardScoring scoring(f.discardTop, table.currentColour(), nextCards);
    const UnoCardScoring::Scores scores = scoring.score(hand);
    for (int i = 0; i < kHandSlots; ++i)
        f.workHand[static_cast<size_t>(i)].score = scores[static_cast<size_t>(i)];
    f.playSlot = UnoCardScoring::choose(hand, scores);

    if (f.playSlot >= 0 || f.drewCard != 1) {
        f.tablePhase = 2;
        return;
    }
    // Nothing to play even after drawing: the seat passes. (The human's hand is redrawn whenever it
    // changes, so a computer's move never needs to redraw it.)
    table.refreshCardCounts();
    f.drewCard = 0;
    f.turnSeat = nextSeat(f.turnSeat, f.playDirection);
    table.stepTurn();
    f.tableFlow().moveTurnMarker(f.turnSeat);
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;
}

void UnoComputer::showOrDraw() {
    if (f.playSlot < 0) {
        f.drawSeat = f.turnSeat;
        m_table.stepDrawSeat();
        f.drawCount = 1;
        f.tablePhase = 4;
        return;
    }
    f.drewCard = 0;
    const Card card = f.seatHand[static_cast<size_t>(f.turnSeat)][static_cast<size_t>(f.playSlot)];
    // A computer's card goes straight back into the deck, behind the cards still to be drawn.
    f.unoDeck[static_cast<size_t>(f.deckReturnIndex)] = card;
    f.deckReturnIndex = (f.deckReturnIndex + 1) % UnoTable::kDeckSize;
    Control& shown = f.c("Image9", f.turnSeat);
    f.loadPicture(shown, cardPicture(card.code()));
    shown.visible = true;
    f.tablePhase = 3;
}

void UnoComputer::turnOrder(int seat, const std::string& value) {
    UnoTable& table = m_table;
    const bool orario = f.playDirection == "orario";
    if (value == "cambiagiro") {
        f.playDirection = reversedDirection(f.playDirection);
        f.loadPicture(f.c("Image13"), orario ? "\\immagini\\dx.gif" : "\\immagini\\sx.gif");
        f.turnSeat = nextSeat(seat, f.playDirection);
    } else if (value == "saltaturno") {
        if (orario) {
            f.turnSeat = seat + 2;
            if (table.seatFinished((seat + 1) % 4)) ++f.turnSeat;
            if (f.turnSeat >= 4) f.turnSeat -= 4;
        } else {
            f.turnSeat = seat - 2;
            if (table.seatFinished((seat + 3) % 4)) --f.turnSeat;
            if (f.turnSeat < 0) f.turnSeat += 4;
        }
    } else if (value == "piu2" || value == "piu4") {
        // The seat in between draws and loses its turn.
        if (orario) {
            f.turnSeat = (seat + 2) % 4;
            f.drawSeat = (f.turnSeat + 3) % 4;
        } else {
            f.turnSeat = (seat + 2) % 4;
            f.drawSeat = (f.turnSeat + 1) % 4;
        }
    } else {
        f.turnSeat = nextSeat(seat, f.playDirection);
    }
}

void UnoComputer::apply() {
    UnoTable& table = m_table;
    const int seat = f.turnSeat;
    Hand& hand = f.seatHand[static_cast<size_t>(seat)];
    const Card card = hand[static_cast<size_t>(f.playSlot)];
    const std::string value = card.value.str();
    const bool drawCard = value == "piu2" || value == "piu4";

    f.c("Image9", seat).visible = false;
    f.loadPicture(f.c("Image9", 4), cardPicture(card.code()));

    turnOrder(seat, value);
    table.stepTurn();
    // Only a draw card has a victim; a draw seat left from an earlier draw must not push the turn on.
    if (drawCard) table.stepDrawSeat();
    f.tableFlow().moveTurnMarker(f.turnSeat);

    f.discardTop = card;
    f.pileOutOfPlay = -1;
    if (!card.colour.isEmpty()) table.setCurrentColour(card.colour.str());
    Hand before;
    for (int i = 0; i < kHandSlots; ++i)
        before[static_cast<size_t>(i)] = f.workHand[static_cast<size_t>(i)].card;
    if (value == "cambiacolore" || value == "piu4") table.setCurrentColour(UnoCardScoring::chooseColour(before));
    table.tellLaid(seat, card);
    if (value == "cambiagiro") table.tellDirection();

    // The card leaves the hand before the finish check, so a seat that has just emptied its hand
    // is counted at once.
    hand[static_cast<size_t>(f.playSlot)] = Card{};
    closeGap(hand);
    table.refreshCardCounts();

    if (value == "cambiacolore") {
        table.finishCheck();
        f.tablePhase = 1;
    } else if (value == "piu4") {
        f.drawCount = 4;
        f.tablePhase = 4;
    } else if (value == "piu2") {
        f.drawCount = 2;
        f.tablePhase = 4;
    } else {
        table.finishCheck();
        f.tablePhase = 1;
    }
}

void UnoComputer::draw() {
    UnoTable& table = m_table;
    table.drawCards();
    f.drawCount = 0;
    f.tablePhase = 1;
    table.finishCheck();
}

void UnoComputer::endOfTick() {
    // Once the table is over nobody moves again: the human's draw pile stays hidden.
    if (f.turnSeat != 3 || f.drawCount != 0 || f.handOver == 1) return;
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;
    f.c("Label44").visible = false;
    f.c("Image10", 3).visible = true;
    f.timer(3).setEnabled(false);
    m_table.finishCheck();
}

} // namespace velmora
