#include "games/brisolo/BrisoloTable.h"

#include "games/brisolo/BrisoloColumns.h"

#include "cards/Decks.h"
#include "games/brisolo/BrisoloCardChoice.h"
#include "games/brisolo/BrisoloPlaces.h"
#include "games/brisolo/BrisoloRules.h"
#include "state/GameContext.h"
#include "tournament/BackgroundTables.h"
#include "tournament/HandDisplay.h"
#include "tournament/Scoreboard.h"
#include "tournament/TableEvents.h"
#include "tournament/TableFlow.h"

#include <vector>

namespace velmora {

namespace {

// The driver's steps.
constexpr int kComputerPlays = 1;
constexpr int kAfterComputerCard = 2;
constexpr int kAfterHumanCard = 3;
constexpr int kScoreManche = 4;

constexpr int kHuman = 3;

std::string cardPicture(const Card& card) {
    return "\\immagini\\52\\" + card.code() + ".jpg";
}

} // namespace

std::string BrisoloTable::boardHeader() {
    return "Naz  El Tav  Ca    Pu   Ma  MP  Giocatore" + std::string(78, ' ') + "Rank   Punti";
}

int BrisoloTable::manchePoints() {
    return static_cast<int>(Value(f.c("Label51").text).toInt());
}

int BrisoloTable::firstRow() const {
    return 4 * (f.humanTable - 1);
}

int BrisoloTable::seatRow(int seat) {
    const EntrantRow& player = f.seatNames[static_cast<size_t>(seat)];
    for (int r = firstRow(); r < firstRow() + 4; ++r) {
        if (r >= 0 && sameEntrant(f.tablePlayers[static_cast<size_t>(r)], player[0].str(), player[1].str()))
            return r;
    }
    return -1;
}

void BrisoloTable::setUp() {
    f.timer(6).setEnabled(false);
    f.timer(6).setInterval(1000);
    f.timer(1).setInterval(500);
    // The other tables play at their own pace again: a table left while they hurried to the end
    // of the round must not hand its speed, or its waiting notice, to the next one.
    f.timer(5).setEnabled(false);
    f.timer(5).setInterval(7000);
    f.c("Label38", board::kNotice).visible = false;

    f.c("Label54").visible = false;
    f.c("Image9", 4).visible = false;
    f.c("Label49").visible = false;
    f.c("Label43").visible = false;
    f.c("Label38", board::kHeader).text = boardHeader();
    for (int item : {board::kScoreColumns[0], board::kScoreColumns[1], board::kScoreColumns[2]})
        f.c("Label38", item).text.clear();
    f.c("Label51").text = "0";

    // A new table: nothing of the last one carries over.
    f.handOver = 0;
    f.tablePhase = 0;
    f.humanFinished = 0;
    f.trickWinner = "-1";
    for (Card& card : f.trickCards)
        card = Card{Value(0), Value(0)};
    for (int seat = 0; seat < 4; ++seat)
        f.c("Image9", seat).visible = false;

    f.playDirection = "orario";
    f.loadPicture(f.c("Image13"), "\\immagini\\sx.gif");
    f.c("Image13").visible = true; // a Hearts table hides it
    // The three computer hands, and the human's own back that tells him he is to lead: an Uno
    // table played before leaves its own back in these pictures.
    for (int seat = 0; seat < 4; ++seat)
        f.loadPicture(f.c("Image10", seat), "\\immagini\\52\\dietro.jpg");
    for (int seat = 0; seat < 4; ++seat) {
        f.c("Label40", seat).text = "0\n0\n0";
        // The three counters named beside them, and in full on the pointer.
        if (Control* caption = f.window().find("Label83", seat)) {
            caption->visible = true;
            f.c("Label40", seat).toolTip = caption->toolTip;
        }
    }
    if (Control* caption = f.window().find("Label82")) caption->visible = true;

    f.tableFlow().groupTablePlayers();
    // Every player of the human's table holds the thirteen cards about to be dealt.
    for (int r = firstRow(); r >= 0 && r < firstRow() + 4; ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        if (!namedEntrant(row)) continue;
        row[entrant::kCards] = Value(kBrisoloHandCards);
        f.tableFlow().mirrorColumns(row, {entrant::kCards});
    }
    drawScoreboard();
    f.deck = buildFrenchDeck();
    shuffleDeck(f.deck, false, f.temp(), f.random());

    f.dealIndex = 0;
    dealHands(f.deck, f.seatHand, kBrisoloHandCards, f.dealIndex);
    f.handDisplay().showFrenchHand();
    f.tableFlow().showSeats();
    f.tableEvents().raise(TableEvent::Kind::Deal, -1, "", kBrisoloHandCards);

    // The other tables start their hand from scratch, each led by a seat drawn here.
    f.backgroundStep = 0;
    for (int& lead : f.leadSeats)
        lead = static_cast<int>(f.random().upTo(3));

    f.c("Label44").visible = false;
    f.turnSeat = BrisoloRules::startingSeat(f.random());
    f.tableFlow().moveTurnMarker(f.turnSeat);
    f.c("Image10", 3).visible = f.turnSeat == kHuman;

    f.c("Label42").visible = true;
    f.c("Picture5").visible = true;
}

void BrisoloTable::putDown(int seat, int slot) {
    Card& place = f.seatHand[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
    const Card card = place;
    f.trickCards[static_cast<size_t>(seat)] = card;
    Control& picture = f.c("Image9", seat);
    f.loadPicture(picture, cardPicture(card));
    picture.visible = true;
    place = Card{Value(0), Value(0)};
    f.tableEvents().raise(TableEvent::Kind::CardLaid, seat, card.code());
    f.c("Label51").text = std::to_string(manchePoints() + BrisoloRules::cardPoints(card));
}

bool BrisoloTable::humanToPlay() {
    // Only the human's own turn, with the driver at rest and a manche still open, takes a card.
    if (f.timer(6).enabled() || f.turnSeat != kHuman || f.handOver != 0 || f.roundClosed) return false;
    return f.trickCards[kHuman].value.isEmpty();
}

bool BrisoloTable::humanMayPlaySlot(int index) {
    if (!humanToPlay() || index < 0 || index >= kHandSlots) return false;
    return !f.seatHand[kHuman][static_cast<size_t>(index)].empty();
}

void BrisoloTable::cardClick(int index) {
    if (!humanMayPlaySlot(index)) return;

    putDown(kHuman, index);
    f.c("Image10", kHuman).visible = false;
    f.handDisplay().showFrenchHand();
    f.tablePhase = kAfterHumanCard;
    f.timer(6).setEnabled(true);
}

void BrisoloTable::computerMove() {
    const int seat = f.turnSeat;
    const int first = firstRow();
    const int cardsLeft =
        first >= 0 ? static_cast<int>(f.tablePlayers[static_cast<size_t>(first)][entrant::kCards].toInt())
                   : kBrisoloHandCards;
    const BrisoloCardChoice choice(f.seatHand[static_cast<size_t>(seat)], f.trickCards, cardsLeft);
    const int slot = choice.choose(f.random());
    if (slot >= 0) putDown(seat, slot);
    f.tablePhase = kAfterComputerCard;
}

void BrisoloTable::Timer6_Timer() {
    if (f.turnSeat == kHuman && f.tablePhase == kComputerPlays) {
        // The human leads or follows: the driver waits for his card.
        f.timer(6).setEnabled(false);
        return;
    }
    switch (f.tablePhase) {
    case kComputerPlays:
        computerMove();
        f.backgroundTables().refreshStandings();
        break;
    case kAfterComputerCard:
        f.tableFlow().checkTrickComplete();
        if (f.handOver == 1) {
            f.tableFlow().moveTurnMarker(f.turnSeat);
            f.tablePhase = kScoreManche;
        } else {
            f.turnSeat = (f.turnSeat + 1) % 4;
            f.tableFlow().moveTurnMarker(f.turnSeat);
            f.tablePhase = kComputerPlays;
            if (f.turnSeat == kHuman) f.timer(6).setEnabled(false);
        }
        break;
    case kAfterHumanCard:
        f.tableFlow().checkTrickComplete();
        f.handDisplay().showFrenchHand();
        if (f.handOver == 1) {
            f.tableFlow().moveTurnMarker(f.turnSeat);
            f.tablePhase = kScoreManche;
        } else {
            f.turnSeat = 0;
            f.tableFlow().moveTurnMarker(0);
            f.tablePhase = kComputerPlays;
        }
        f.backgroundTables().refreshStandings();
        break;
    case kScoreManche:
        scoreManche();
        break;
    default:
        f.timer(6).setEnabled(false);
        break;
    }
}

void BrisoloTable::scoreManche() {
    const int winner = f.turnSeat;
    const int points = manchePoints();
    const int winnerRow = seatRow(winner);
    for (int r = firstRow(); r >= 0 && r < firstRow() + 4; ++r) {
        EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        row[entrant::kCards] = Value(row[entrant::kCards].toInt() - 1);
        if (r == winnerRow) {
            row[brisolo::kPoints] = Value(row[brisolo::kPoints].toInt() + points);
            row[brisolo::kManches] = Value(row[brisolo::kManches].toInt() + 1);
            row[brisolo::kLastManche] = Value(kBrisoloHandCards + 1 - row[entrant::kCards].toInt());
            if (points > row[brisolo::kBestManche].num()) row[brisolo::kBestManche] = Value(points);
        }
        f.tableFlow().mirrorColumns(row, {entrant::kCards, entrant::kOut, brisolo::kPoints, brisolo::kManches,
                                          brisolo::kLastManche, brisolo::kBestManche});
    }
    drawScoreboard();
    f.handOver = 0;
    f.c("Label51").text = "0";
    showSeatScores();
    f.tableFlow().keepLastTrick(winner, points);
    for (int seat = 0; seat < 4; ++seat) {
        f.c("Image9", seat).visible = false;
        f.trickCards[static_cast<size_t>(seat)] = Card{Value(0), Value(0)};
    }
    f.tableFlow().compactComputerHands();

    // The winner leads the next manche.
    f.tablePhase = kComputerPlays;
    f.timer(6).setEnabled(winner != kHuman);
    f.c("Image10", kHuman).visible = winner == kHuman;

    const int first = firstRow();
    if (first >= 0 && f.tablePlayers[static_cast<size_t>(first)][entrant::kCards].isEmpty()) endOfHand();
    f.backgroundTables().refreshStandings();
}

void BrisoloTable::showSeatScores() {
    for (int seat = 0; seat < 4; ++seat) {
        const int r = seatRow(seat);
        if (r < 0) continue;
        const EntrantRow& row = f.tablePlayers[static_cast<size_t>(r)];
        f.c("Label40", seat).text = row[brisolo::kPoints].str() + "\n" + row[brisolo::kManches].str() + "\n" +
                                    row[brisolo::kBestManche].str();
    }
}

void BrisoloTable::endOfHand() {
    const int first = firstRow();
    BrisoloPlaces::eliminateTwo(f.tablePlayers, first);
    for (int r = first; r < first + 4; ++r)
        f.tableFlow().mirrorColumns(f.tablePlayers[static_cast<size_t>(r)],
                                    {entrant::kCards, entrant::kOut, brisolo::kPoints, brisolo::kManches,
                                     brisolo::kLastManche, brisolo::kBestManche});
    f.handOver = 1;
    f.c("Image10", kHuman).visible = false;
    // The human's table is over: the other tables hurry up.
    f.timer(5).setInterval(200);
    f.c("Label38", board::kNotice).visible = true;
    f.timer(6).setEnabled(false);
}

void BrisoloTable::drawScoreboard() {
    Scoreboard::draw(f,
                     {board::kPoints, board::kRank, board::kName, board::kCards, board::kScoreColumns[0],
                      board::kScoreColumns[1], board::kScoreColumns[2], board::kTable, board::kThrough},
                     [](const EntrantRow& row, Scoreboard::Line& line) {
                         line[board::kPoints] = row[entrant::kRankingPoints].str();
                         line[board::kRank] = row[entrant::kWorldPosition].str();
                         line[board::kName] =
                             row[entrant::kSurname].str() + " " + row[entrant::kFirstName].str();
                         line[board::kCards] = row[entrant::kCards].str();
                         line[board::kScoreColumns[0]] = row[brisolo::kPoints].str();
                         line[board::kScoreColumns[1]] = row[brisolo::kManches].str();
                         line[board::kScoreColumns[2]] = row[brisolo::kBestManche].str();
                         line[board::kThrough] = row[entrant::kOut].toInt() == 1 ? "X" : "V";
                     });
    // The Uno board's own "out" column stays empty: Brisolo shows both marks in one column.
    f.c("Label38", board::kOut).text.clear();
}

} // namespace velmora
