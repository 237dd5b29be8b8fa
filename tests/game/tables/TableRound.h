#pragma once

#include "app/Form1.h"
#include "state/CardGame.h"
#include "support/GameTest.h"
#include "tournament/GameTable.h"

#include <functional>
#include <string>

namespace velmora::test {

// A round of `tables` tables of four for the game running in the form; the human, Rossi Mario, is
// the first entrant of table 1 and every other player is ranked one place below the last.
inline void seatRound(Form1& form, int tables) {
    clearEntrantTable(form.roundPlayers);
    clearEntrantTable(form.tablePlayers);
    clearEntrantTable(form.boardRows);
    for (int r = 0; r < 4 * tables; ++r) {
        EntrantRow& row = form.roundPlayers[static_cast<size_t>(r)];
        row[entrant::kSurname] = Value(r == 0 ? std::string("Rossi") : "Giocatore" + std::to_string(r));
        row[entrant::kFirstName] = Value(r == 0 ? "Mario" : "Nome");
        row[entrant::kAge] = Value(30);
        row[entrant::kFlag] = Value("it");
        row[entrant::kRankingPoints] = Value(1000 - r);
        row[entrant::kWorldPosition] = Value(r + 1);
        row[entrant::kTable] = Value(r / 4 + 1);
        row[entrant::kCards] = Value(cardGame(form.currentGame).handSize);
    }
    for (int k = 0; k < 20; ++k)
        form.boardRows[static_cast<size_t>(k)] = form.roundPlayers[static_cast<size_t>(k % (4 * tables))];
    form.tableCount = tables;
    form.humanTable = 1;
    form.qualifierCount = tables * 2;
    form.roundNumber = 1;
}

// One move of a plain player, as the mouse allows it: offered a pass he sets aside his first three
// cards; on his turn he plays the first card the rules allow (a wild card turns to the first
// colour); with nothing that fits he draws, then passes. Returns what he clicked, or nothing when
// he had nothing to do.
inline std::string playerMoves(Form1& form) {
    Window& window = form.window();
    auto shown = [&](const char* name, int index = -1) { return form.c(name, index).visible; };
    if (shown("Label54") && form.c("Label54").text.rfind("Passa", 0) == 0) {
        std::string move = "pass";
        int setAside = 0;
        for (int i = 0; i < kHandSlots && setAside < 3; ++i) {
            if (!shown("Image11", i)) continue;
            window.click("Image11", i);
            move += " " + std::to_string(i);
            ++setAside;
        }
        return window.click("Label54") ? move : "";
    }
    GameTable& game = *form.gameTable();
    if (!game.humanToPlay()) return "";
    for (int i = 0; i < kHandSlots; ++i) {
        if (!shown("Image11", i) || !game.humanMayPlayCard(i)) continue;
        window.click("Image11", i);
        if (shown("Label48", 0)) window.click("Label48", 0);
        return "play " + std::to_string(i);
    }
    if (shown("Image10", 3) && window.click("Image10", 3)) return "draw";
    return shown("Label44") && window.click("Label44") ? "pass turn" : "";
}

// A round of two tables of one game, dealt from a seeded draw and played by the plain player.
class SeededRound : public GameTest {
  protected:
    void SetUp() override {
        form->openDatabase();
        form->db().execute("PRAGMA synchronous = OFF");
    }
    // Seats the round and deals it from the draw `seed` steps on from its start; the first hand is
    // under way.
    void deal(const std::string& game, unsigned long long seed = 7919ULL) {
        form->currentGame = game;
        form->currentWeek = 1;
        seatRound(*form, 2);
        form->random().setState(RandomSequence::kStart + seed);
        form->gameTable()->setUp();
        click("Label42");
    }
    // Plays until the round closes, `afterStep` looking at the table after each step; false when
    // it never closed or a look failed fatally.
    bool playToClose(const std::function<void(int step)>& afterStep = {}) {
        for (int step = 0; step < 20000 && !c("Label49").visible; ++step) {
            if (playerMoves(*form).empty()) advance(250);
            if (afterStep) afterStep(step);
            if (HasFatalFailure()) return false;
        }
        return c("Label49").visible;
    }
};

} // namespace velmora::test
