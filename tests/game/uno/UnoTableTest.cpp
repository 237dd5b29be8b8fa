#include "UnoTableTest.h"

#include "cards/Decks.h"
#include "games/uno/UnoRules.h"

#include <stdexcept>

namespace velmora::test {

Card unoCard(const std::string& code) {
    if (code == "piu4" || code == "cambiacolore") return {Value(code), Value(0)};
    for (const char* action : {"piu2", "cambiagiro", "saltaturno"}) {
        const std::string word = action;
        if (code.rfind(word, 0) == 0) return {Value(word), Value(code.substr(word.size()))};
    }
    if (code.empty() || code[0] < '0' || code[0] > '9')
        throw std::invalid_argument("not an Uno card: " + code);
    return {Value(code[0] - '0'), Value(code.substr(1))};
}

Hand unoHand(std::initializer_list<const char*> codes) {
    Hand hand{};
    size_t i = 0;
    for (const char* code : codes)
        hand[i++] = unoCard(code);
    return hand;
}

UnoTableTest::UnoTableTest() {
    form->currentGame = "Uno";
    form->currentWeek = 1;
    seatPlayers();
    form->unoDeck = buildUnoDeck();
    form->deckTop = 107;
    form->dealIndex = 41;
    form->deckReturnIndex = 0;
    form->playDirection = "orario";
    for (int seat = 0; seat < 4; ++seat)
        setHand(seat, {"1rosso", "2rosso", "3rosso"});
    setPile("5rosso");
    c("Label42").visible = false;
    c("Picture5").visible = true;
    for (int k = 0; k < 4; ++k)
        c("Label48", k).visible = false;
    c("Label44").visible = false;
    humanToMove();
}

void UnoTableTest::seatPlayers() {
    struct Player {
        const char* surname;
        const char* firstName;
        const char* flag;
        int points;
    };
    // The human comes first in the entrant table; the computer seats follow in entrant order.
    const Player players[4] = {{"Rossi", "Mario", "it", 0},
                               {"Bianchi", "Luca", "fr", 900},
                               {"Verdi", "Anna", "de", 700},
                               {"Neri", "Paolo", "es", 500}};
    clearEntrantTable(form->roundPlayers);
    clearEntrantTable(form->tablePlayers);
    clearEntrantTable(form->boardRows);
    for (int r = 0; r < 4; ++r) {
        EntrantRow& row = form->roundPlayers[static_cast<size_t>(r)];
        row[0] = Value(players[r].surname);
        row[1] = Value(players[r].firstName);
        row[2] = Value(30);
        row[3] = Value(players[r].flag);
        row[4] = Value(players[r].points);
        row[5] = Value(r + 1);
        row[6] = Value(1);
        row[7] = Value(10);
        row[10] = Value(1);
        form->tablePlayers[static_cast<size_t>(r)] = row;
    }
    // Best ranked first; events of fewer than twenty repeat the weakest entrant.
    const int boardOrder[4] = {1, 2, 3, 0};
    for (int k = 0; k < 20; ++k)
        form->boardRows[static_cast<size_t>(k)] =
            form->roundPlayers[static_cast<size_t>(boardOrder[k < 4 ? k : 3])];
    form->seatNames[3] = form->roundPlayers[0];
    for (int s = 0; s < 3; ++s)
        form->seatNames[static_cast<size_t>(s)] = form->roundPlayers[static_cast<size_t>(s + 1)];
    form->tableCount = 1;
    form->humanTable = 1;
    form->qualifierCount = 4;
    form->roundNumber = 1;
}

void UnoTableTest::setHand(int seat, std::initializer_list<const char*> codes) {
    form->seatHand[static_cast<size_t>(seat)] = unoHand(codes);
    table().refreshCardCounts();
}

void UnoTableTest::setPile(const std::string& code, const std::string& colour) {
    form->discardTop = unoCard(code);
    table().setCurrentColour(colour.empty() ? form->discardTop.colour.str() : colour);
}

void UnoTableTest::humanToMove() {
    form->turnSeat = 3;
    form->timer(3).setEnabled(false);
    form->timer(4).setEnabled(false);
    form->tablePhase = 1;
    c("Image10", 3).visible = true;
}

void UnoTableTest::computerToMove(int seat) {
    form->turnSeat = seat;
    form->tablePhase = 1;
    form->timer(4).setEnabled(false);
    form->timer(3).setEnabled(true);
}

void UnoTableTest::tick3(int ticks) {
    for (int i = 0; i < ticks; ++i)
        computer().Timer3_Timer();
}

void UnoTableTest::tick4(int ticks) {
    for (int i = 0; i < ticks; ++i)
        table().Timer4_Timer();
}

int UnoTableTest::cardsOf(int seat) {
    int cards = 0;
    for (const Card& card : form->seatHand[static_cast<size_t>(seat)])
        cards += card.empty() ? 0 : 1;
    return cards;
}

int UnoTableTest::slotOf(int seat, const std::string& code) {
    const Card card = unoCard(code);
    for (int i = 0; i < kHandSlots; ++i) {
        if (form->seatHand[static_cast<size_t>(seat)][static_cast<size_t>(i)] == card) return i;
    }
    return -1;
}

} // namespace velmora::test
