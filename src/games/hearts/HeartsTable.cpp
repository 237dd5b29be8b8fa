#include "games/hearts/HeartsTable.h"

#include "cards/Decks.h"
#include "games/hearts/HeartsCardChoice.h"
#include "games/hearts/HeartsColumns.h"
#include "games/hearts/HeartsPassChoice.h"
#include "games/hearts/HeartsQualification.h"
#include "games/hearts/HeartsRules.h"
#include "games/hearts/HeartsTableSimulation.h"
#include "state/GameContext.h"
#include "tournament/BackgroundTables.h"
#include "tournament/GameTable.h"
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

// The pass area: Image11 items 27, 28 and 29.
constexpr int kFirstPassPlace = 27;

const std::string kCardFolder = "\\immagini\\52\\";

Card emptyCard() {
    return Card{Value(0), Value(0)};
}

bool freePlace(const Card& card) {
    return HeartsRules::value(card) == 0;
}

} // namespace

std::string HeartsTable::boardHeader() {
    return "Naz  El Tav  Ca   Pu  Cuo   Giocatore" + std::string(86, ' ') + "Rank   Punti";
}

std::string HeartsTable::heartText(int value) {
    switch (value) {
    case 14:
        return "A";
    case 13:
        return "K";
    case 12:
        return "D";
    case 11:
        return "J";
    default:
        return value >= 2 && value <= 10 ? std::to_string(value) : "";
    }
}

void HeartsTable::setUp() {
    f.passSelection.fill(emptyCard());
    f.passToHuman.fill(emptyCard());
    for (auto& hearts : f.simHearts)
        hearts = HeartsTableSimulation::fullHearts();
    f.heartsBroken = 0;
    f.ledSuit.clear();
    f.chosenSlot = -1;

    f.c("Label54").visible = true;
    f.c("Image9", 4).visible = false;
    f.c("Label51").visible = false;
    f.c("Label49").visible = false;
    f.c("Label38", board::kNotice).visible = false;
    f.c("Label43").visible = false;
    f.c("Label38", board::kHeader).text = boardHeader();
    for (int item : {27, 22, 23})
        f.c("Label38", item).text.clear();
    f.c("Label38", board::kName).width = 7695;
    f.c("Label38", board::kName).left = 18360;

    f.handOver = 0;
    f.humanFinished = 0;
    f.tablePhase = 0;
    f.backgroundStep = 0;
    f.timer(7).setEnabled(false);
    f.timer(7).setInterval(3000);
    f.timer(8).setInterval(7000);
    f.timer(1).setInterval(500);
    clearTrick();
    for (int k = 0; k < 3; ++k)
        f.c("Image11", kFirstPassPlace + k).visible = false;

    f.playDirection = "orario";
    f.loadPicture(f.c("Image13"), "\\immagini\\sx.gif");
    // Hearts always goes round the same way: an arrow of the direction of play would only be a
    // leftover of an earlier Uno table (whose arrow points the other way for "orario").
    f.c("Image13").visible = false;
    for (int seat = 0; seat < 3; ++seat)
        f.loadPicture(f.c("Image10", seat), kCardFolder + "dietro.jpg");
    f.c("Image10", 3).visible = false;
    for (int seat = 0; seat < 4; ++seat)
        f.c("Label40", seat).text = "0";

    f.tableFlow().groupTablePlayers();
    // Every player of the round starts the hand with thirteen cards, no points and no heart.
    for (int r = 0; r < 4 * f.tableCount && r < static_cast<int>(f.tablePlayers.size()); ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        if (!namedEntrant(row)) continue;
        row[entrant::kCards] = Value(13);
        row[entrant::kOut] = Value(0);
        row[hearts::kPoints] = Value(0);
        row[hearts::kLowestHeart] = Value(0);
        f.tableFlow().mirrorColumns(row,
                                    {entrant::kCards, entrant::kOut, hearts::kPoints, hearts::kLowestHeart});
    }
    drawScoreboard();
    f.deck = buildFrenchDeck();
    shuffleDeck(f.deck, false, f.temp(), f.random());
    f.dealIndex = 0;
    dealHands(f.deck, f.seatHand, kHeartsHandSlots, f.dealIndex);
    f.handDisplay().showFrenchHand();
    f.tableFlow().showSeats();
    f.tableEvents().raise(TableEvent::Kind::Deal, -1, "", kHeartsHandSlots);

    for (int& lead : f.leadSeats)
        lead = static_cast<int>(f.random().upTo(3));

    f.c("Label44").visible = false;
    f.c("Shape1").visible = false;
    f.passDirection = HeartsPassChoice::drawDirection(f.random());
    f.c("Label54").text = HeartsPassChoice::caption(f.passDirection);
    showPassReady();

    f.c("Label42").visible = true;
    f.c("Picture5").visible = true;
}

bool HeartsTable::passPhase() {
    return f.handOver == 0 && !f.c("Label38", board::kNotice).visible && !f.c("Label49").visible &&
           f.c("Label54").visible && !f.timer(7).enabled();
}

bool HeartsTable::passReady() {
    for (const Card& card : f.passSelection) {
        if (freePlace(card)) return false;
    }
    return true;
}

// The pass button is always drawn ready (a greyed button read as one he could not use); the
// prompt under it says what it waits for, and its click does nothing before three cards are set
// aside.
void HeartsTable::showPassReady() {
    f.c("Label54").dimmed = false;
}

std::string HeartsTable::passPrompt() {
    if (!passPhase()) return "";
    int set = 0;
    for (const Card& card : f.passSelection)
        set += freePlace(card) ? 0 : 1;
    if (set == 3) return "Premi il pulsante (o Invio) per passare le 3 carte";
    return "Scegli 3 carte da passare: " + std::to_string(set) + " di 3";
}

bool HeartsTable::humanToPlay() {
    return f.handOver == 0 && !f.timer(7).enabled() && f.turnSeat == 3 && !f.c("Label54").visible &&
           f.tablePhase != 0 && !f.roundClosed;
}

bool HeartsTable::humanMayPlaySlot(int index) {
    if (!humanToPlay() || index < 0 || index >= kHeartsHandSlots) return false;
    return HeartsRules::humanMayPlay(f.seatHand[3], index, f.ledSuit, f.heartsBroken == 1);
}

void HeartsTable::cardClick(int index) {
    Hand& hand = f.seatHand[3];
    if (passPhase()) {
        if (index >= 0 && index < kHandSlots) {
            int place = -1;
            for (int k = 0; k < 3 && place < 0; ++k) {
                if (freePlace(f.passSelection[static_cast<size_t>(k)])) place = k;
            }
            const Card card = hand[static_cast<size_t>(index)];
            if (place < 0 || freePlace(card)) return;
            f.passSelection[static_cast<size_t>(place)] = card;
            hand[static_cast<size_t>(index)] = emptyCard();
            Control& shown = f.c("Image11", kFirstPassPlace + place);
            f.loadPicture(shown, kCardFolder + card.code() + ".jpg");
            shown.visible = true;
        } else if (index >= kFirstPassPlace && index < kFirstPassPlace + 3) {
            Card& set = f.passSelection[static_cast<size_t>(index - kFirstPassPlace)];
            if (freePlace(set)) return;
            for (int slot = 0; slot < kHeartsHandSlots; ++slot) {
                if (!freePlace(hand[static_cast<size_t>(slot)])) continue;
                hand[static_cast<size_t>(slot)] = set;
                set = emptyCard();
                f.c("Image11", index).visible = false;
                break;
            }
        }
        f.handDisplay().showFrenchHand();
        showPassReady();
        return;
    }

    if (!humanMayPlaySlot(index)) return;
    const Card card = hand[static_cast<size_t>(index)];
    showTrickCard(3, card);
    hand[static_cast<size_t>(index)] = emptyCard();
    f.handDisplay().showFrenchHand();
    f.backgroundTables().refreshStandings();
    f.chosenSlot = index;
    f.tablePhase = 2;
    f.timer(7).setEnabled(true);
}

void HeartsTable::Label54_Click() {
    DisabledWindow disabled(f.window());
    if (!passPhase() || !passReady()) return;
    f.passToHuman = HeartsPassChoice::pass(f.seatHand, f.passDirection, f.passSelection, f.random());
    for (int k = 0; k < 3; ++k) {
        Control& shown = f.c("Image11", kFirstPassPlace + k);
        f.loadPicture(shown, kCardFolder + f.passToHuman[static_cast<size_t>(k)].code() + ".jpg");
        shown.visible = true;
    }
    f.passSelection.fill(emptyCard());
    f.handDisplay().showFrenchHand();

    // The other tables' hands are decided now; the background tables reveal them trick by trick.
    HeartsTableSimulation::simulateRound(f.simTricks, f.simHearts, f.tableCount, f.humanTable, f.random());
    f.backgroundStep = 0;

    f.tablePhase = 1;
    f.timer(7).setEnabled(true);
    f.c("Label54").visible = false;
}

void HeartsTable::Timer7_Timer() {
    if (f.handOver != 0 || f.roundClosed) {
        f.timer(7).setEnabled(false);
        return;
    }
    TableFlow& flow = f.tableFlow();
    switch (f.tablePhase) {
    case 1:
        f.timer(1).setEnabled(true);
        for (int k = 0; k < 3; ++k)
            f.c("Image11", kFirstPassPlace + k).visible = false;
        f.timer(7).setInterval(1000);
        f.turnSeat = HeartsRules::seatWithTwoOfClubs(f.seatHand);
        flow.moveTurnMarker(f.turnSeat);
        f.c("Shape1").visible = true;
        if (f.turnSeat == 3) f.timer(7).setEnabled(false);
        f.timer(8).setEnabled(true);
        f.tablePhase = 4;
        break;
    case 2:
        f.tablePhase = 3;
        break;
    case 3:
        if (!trickComplete()) {
            f.tablePhase = 4;
            f.turnSeat = 0;
            flow.moveTurnMarker(0);
        } else {
            resolveTrick();
            if (f.handOver != 0) break;
            f.tablePhase = 4;
            flow.moveTurnMarker(f.turnSeat);
            if (f.turnSeat == 3) f.timer(7).setEnabled(false);
        }
        break;
    case 4:
        computerPlays();
        f.tablePhase = 5;
        break;
    case 5:
        f.turnSeat = (f.turnSeat + 1) % 4;
        if (!trickComplete()) flow.moveTurnMarker(f.turnSeat);
        f.tablePhase = 6;
        break;
    case 6:
        if (trickComplete()) {
            resolveTrick();
            if (f.handOver != 0) break;
            flow.moveTurnMarker(f.turnSeat);
            if (f.turnSeat == 3) f.timer(7).setEnabled(false);
        } else if (f.turnSeat == 3) {
            f.timer(7).setEnabled(false);
        } else {
            f.tablePhase = 4;
        }
        break;
    default:
        break;
    }
    // The last trick too: the standings board would otherwise show the table one trick short.
    f.backgroundTables().refreshStandings();
}

void HeartsTable::computerPlays() {
    const int seat = f.turnSeat;
    if (seat < 0 || seat > 2) return;
    HeartsTrickView view;
    view.ledSuit = f.ledSuit;
    view.trickCards = f.trickCards;
    for (Card& card : view.trickCards) {
        if (freePlace(card)) card = emptyCard();
    }
    view.heartsBroken = f.heartsBroken == 1;
    const EntrantRow* first = seatRow(-1);
    view.firstTrick = first && (*first)[entrant::kCards].toInt() == 13;
    Hand& hand = f.seatHand[static_cast<size_t>(seat)];
    const int slot = HeartsCardChoice::choose(hand, view);
    if (slot < 0) return;
    const Card card = hand[static_cast<size_t>(slot)];
    showTrickCard(seat, card);
    if (HeartsRules::isHeart(card)) breakHearts();
    hand[static_cast<size_t>(slot)] = emptyCard();
}

void HeartsTable::showTrickCard(int seat, const Card& card) {
    if (f.ledSuit.empty()) f.ledSuit = HeartsRules::suit(card);
    f.trickCards[static_cast<size_t>(seat)] = card;
    Control& shown = f.c("Image9", seat);
    f.loadPicture(shown, kCardFolder + card.code() + ".jpg");
    shown.visible = true;
    f.tableEvents().raise(TableEvent::Kind::CardLaid, seat, card.code());
}

void HeartsTable::breakHearts() {
    if (f.heartsBroken == 1) return;
    f.heartsBroken = 1;
    f.tableEvents().raise(TableEvent::Kind::HeartsBroken, -1);
}

bool HeartsTable::trickComplete() {
    for (int seat = 0; seat < 4; ++seat) {
        if (!f.c("Image9", seat).visible) return false;
    }
    return true;
}

EntrantRow* HeartsTable::seatRow(int seat) {
    const int first = 4 * (f.humanTable - 1);
    if (first < 0 || first + 3 >= static_cast<int>(f.tablePlayers.size())) return nullptr;
    if (seat < 0) return &f.tablePlayers[static_cast<size_t>(first)];
    const EntrantRow& name = f.seatNames[static_cast<size_t>(seat)];
    for (int r = first; r < first + 4; ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        if (sameEntrant(row, name[0].str(), name[1].str())) return &row;
    }
    return nullptr;
}

void HeartsTable::resolveTrick() {
    std::array<Card, 4> trick = f.trickCards;
    const int winner = HeartsRules::trickWinner(trick, f.ledSuit);
    const int points = HeartsRules::trickPoints(trick);
    f.trickWinner = std::to_string(winner);

    const int first = 4 * (f.humanTable - 1);
    EntrantRow* winning = winner >= 0 ? seatRow(winner) : nullptr;
    for (int r = first; r < first + 4; ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        row[entrant::kCards] = Value(row[entrant::kCards].toInt() - 1);
        if (row[entrant::kCards].toInt() <= 0) f.handOver = 1;
        if (&row == winning) {
            row[hearts::kPoints] = Value(row[hearts::kPoints].toInt() + points);
            f.c("Label40", winner).text = row[hearts::kPoints].str();
            row[hearts::kLowestHeart] = Value(HeartsRules::lowerHeart(
                static_cast<int>(row[hearts::kLowestHeart].toInt()), HeartsRules::lowestHeart(trick)));
        }
        f.tableFlow().mirrorColumns(row, {entrant::kCards, hearts::kPoints, hearts::kLowestHeart});
    }
    if (winner >= 0) f.turnSeat = winner;
    f.tableFlow().keepLastTrick(winner, points);
    if (winner >= 0 &&
        std::any_of(trick.begin(), trick.end(), [](const Card& card) { return card.code() == "12picche"; }))
        f.tableEvents().raise(TableEvent::Kind::QueenTaken, winner);

    if (f.handOver == 0) {
        if (HeartsRules::breaksHearts(trick)) breakHearts();
        for (int seat = 0; seat < 4; ++seat) {
            if (const EntrantRow* row = seatRow(seat))
                f.c("Label40", seat).text = (*row)[hearts::kPoints].str();
        }
        clearTrick();
        return;
    }
    endHand();
}

void HeartsTable::clearTrick() {
    f.ledSuit.clear();
    for (int seat = 0; seat < 4; ++seat) {
        f.trickCards[static_cast<size_t>(seat)] = emptyCard();
        f.c("Image9", seat).visible = false;
    }
}

void HeartsTable::endHand() {
    clearTrick();
    f.handOver = 1;
    for (int seat = 0; seat < 4; ++seat) {
        const EntrantRow* row = seatRow(seat);
        if (row && (*row)[hearts::kPoints].toInt() == HeartsQualification::kMoonPoints)
            f.tableEvents().raise(TableEvent::Kind::MoonShot, seat);
    }
    if (f.roundClosed) return;
    revealOtherTables();
    f.tableFlow().endRound();
}

void HeartsTable::revealOtherTables() {
    // The other tables' hands were decided in full at the pass; whatever of them the background
    // tables have not shown yet is shown now, so every table is decided on its whole hand.
    for (int t = 1; t <= f.tableCount; ++t) {
        if (t == f.humanTable) continue;
        const auto& hand = f.simTricks[static_cast<size_t>(t - 1)];
        for (int seat = 0; seat < 4; ++seat) {
            EntrantRow& row = f.tablePlayers[static_cast<size_t>(4 * (t - 1) + seat)];
            if (!namedEntrant(row)) continue;
            row[entrant::kCards] = Value(0);
            row[hearts::kPoints] = Value(HeartsTableSimulation::seatPoints(hand, seat));
            row[hearts::kLowestHeart] = Value(HeartsTableSimulation::seatLowestHeart(hand, seat));
            f.tableFlow().mirrorColumns(row, {entrant::kCards, hearts::kPoints, hearts::kLowestHeart});
        }
    }
}

void HeartsTable::qualify() {
    // The close decides every table afresh, its moon draw included: the marks shown for another
    // table while the human still played were provisional, and the board shows what is decided here.
    for (int t = 1; t <= f.tableCount; ++t) {
        const int first = 4 * (t - 1);
        if (first + 3 >= static_cast<int>(f.tablePlayers.size())) break;
        const std::array<HeartsScore, 4> scores = scoresAt(first);
        for (int k = 0; k < 4; ++k)
            f.tablePlayers[static_cast<size_t>(first + k)][entrant::kOut] = Value(0);
        const HeartsTableOutcome outcome = HeartsQualification::decide(scores, f.qualifierCount, f.random());
        for (int k = 0; k < 4; ++k) {
            EntrantRow& row = f.tablePlayers[static_cast<size_t>(first + k)];
            const auto place = static_cast<size_t>(k);
            if (outcome.out[place]) row[entrant::kOut] = Value(1);
            // A loser records the round he went out in; a played final places all four.
            if (outcome.placeGroup[place] != 0) row[entrant::kPlaceGroup] = Value(outcome.placeGroup[place]);
        }
    }
}

std::array<HeartsScore, 4> HeartsTable::scoresAt(int first) {
    std::array<HeartsScore, 4> scores{};
    for (int k = 0; k < 4; ++k) {
        const EntrantRow& row = f.tablePlayers[static_cast<size_t>(first + k)];
        scores[static_cast<size_t>(k)] = {static_cast<int>(row[hearts::kPoints].toInt()),
                                          static_cast<int>(row[hearts::kLowestHeart].toInt())};
    }
    return scores;
}

std::array<int, 4> HeartsTable::humanTablePlaces() {
    const int first = 4 * (f.humanTable - 1);
    if (first < 0 || first + 3 >= static_cast<int>(f.tablePlayers.size())) return {};
    std::array<bool, 4> out{};
    for (int k = 0; k < 4; ++k)
        out[static_cast<size_t>(k)] = f.tablePlayers[static_cast<size_t>(first + k)][entrant::kOut].is("1");
    return HeartsQualification::tablePlaces(scoresAt(first), out);
}

void HeartsTable::markOtherTables() {
    for (int t = 1; t <= f.tableCount; ++t) {
        const int first = 4 * (t - 1);
        if (t == f.humanTable || first + 3 >= static_cast<int>(f.tablePlayers.size())) continue;
        const std::array<HeartsScore, 4> scores = scoresAt(first);
        for (int k = 0; k < 4; ++k)
            f.tablePlayers[static_cast<size_t>(first + k)][entrant::kOut] = Value(0);
        for (int loser : HeartsQualification::eliminateLive(scores, f.random()))
            f.tablePlayers[static_cast<size_t>(first + loser)][entrant::kOut] = Value(1);
        for (int k = 0; k < 4; ++k)
            f.tableFlow().mirrorColumns(f.tablePlayers[static_cast<size_t>(first + k)], {entrant::kOut});
    }
}

void HeartsTable::drawScoreboard() {
    Scoreboard::draw(f,
                     {board::kPoints, board::kRank, board::kName, board::kCards, board::kScoreColumns[0],
                      board::kScoreColumns[1], board::kTable, board::kThrough},
                     [](const EntrantRow& row, Scoreboard::Line& line) {
                         line[board::kPoints] = row[entrant::kRankingPoints].str();
                         line[board::kRank] = row[entrant::kWorldPosition].str();
                         line[board::kName] =
                             row[entrant::kSurname].str() + " " + row[entrant::kFirstName].str();
                         line[board::kCards] = row[entrant::kCards].str();
                         line[board::kScoreColumns[0]] = row[hearts::kPoints].str();
                         line[board::kScoreColumns[1]] =
                             heartText(static_cast<int>(row[hearts::kLowestHeart].toInt()));
                         line[board::kThrough] = row[entrant::kOut].toInt() == 1 ? "X" : "V";
                     });
    f.c("Label38", board::kOut).text.clear();
}

} // namespace velmora
