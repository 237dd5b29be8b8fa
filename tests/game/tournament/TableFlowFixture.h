#pragma once

// A running round set up directly in the window's state, without a database: entrants, tables,
// the scoreboard rows and the human's table.

#include "support/GameTest.h"
#include "tournament/TableFlow.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace velmora::test {

class TableFlowFixture : public GameTest {
  protected:
    Form1& f() { return *form; }

    static std::string surnameOf(int row) { return row == 0 ? "Rossi" : "Cognome" + std::to_string(row); }
    static std::string firstNameOf(int row) { return row == 0 ? "Mario" : "Nome" + std::to_string(row); }

    // Seats a round of `entrants` players (row 0 the human) four to a table, the human at
    // `humanTable`; the others are dealt to the tables in an order drawn from `seed`.
    void seatRound(int entrants, int humanTable, const std::string& game, unsigned seed = 1) {
        static const char* flags[] = {"it", "fr", "de", "es", "gb", "br", "jp", "us"};
        const int cards = game == "Uno" ? 10 : 13;
        f().currentGame = game;
        clearEntrantTable(f().roundPlayers);
        clearEntrantTable(f().tablePlayers);
        clearEntrantTable(f().boardRows);
        for (int r = 0; r < entrants; ++r) {
            EntrantRow& row = f().roundPlayers[r];
            row[0] = Value(surnameOf(r));
            row[1] = Value(firstNameOf(r));
            row[2] = Value(30);
            row[3] = Value(flags[r % 8]);
            row[4] = Value(r == 0 ? 0 : (r * 397) % 3000);
            row[5] = Value(r == 0 ? 1500 : r * 3);
            row[7] = Value(cards);
        }
        std::vector<int> others(static_cast<size_t>(entrants - 1));
        std::iota(others.begin(), others.end(), 1);
        std::shuffle(others.begin(), others.end(), std::mt19937(seed));
        f().tableCount = entrants / 4;
        f().qualifierCount = entrants / 2;
        f().humanTable = humanTable;
        f().roundPlayers[0][6] = Value(humanTable);
        size_t next = 0;
        for (int t = 1; t <= f().tableCount; ++t) {
            for (int seat = t == humanTable ? 1 : 0; seat < 4; ++seat)
                f().roundPlayers[others[next++]][6] = Value(t);
        }
        // The board: the twenty with the most ranking points, best first.
        std::vector<int> byPoints(static_cast<size_t>(entrants));
        std::iota(byPoints.begin(), byPoints.end(), 0);
        std::stable_sort(byPoints.begin(), byPoints.end(), [&](int a, int b) {
            return f().roundPlayers[a][4].num() > f().roundPlayers[b][4].num();
        });
        for (int k = 0; k < 20; ++k) {
            const int r = byPoints[static_cast<size_t>(std::min(k, entrants - 1))];
            f().roundPlayers[r][10] = Value(1);
            f().boardRows[k] = f().roundPlayers[r];
        }
        f().tableFlow().groupTablePlayers();
        c("Combo7").items.clear();
        for (int t = 1; t <= f().tableCount; ++t)
            c("Combo7").items.push_back(std::to_string(t));
        c("Combo7").text = std::to_string(humanTable);
        // A round in play: no "PROSSIMO TURNO" yet, no notice.
        c("Label49").visible = false;
        c("Label38", 21).visible = false;
    }

    EntrantRow& at(int table, int seat) { return f().tablePlayers[4 * (table - 1) + seat]; }

    // Every seated row of tablePlayers agrees, in the given columns, with its rows in roundPlayers
    // and on the scoreboard (matched by surname and first name).
    void expectMirrored(const std::vector<int>& columns) {
        for (int r = 0; r < 4 * f().tableCount; ++r) {
            const EntrantRow& row = f().tablePlayers[r];
            const int master = findEntrant(f().roundPlayers, row[0].str(), row[1].str());
            ASSERT_GE(master, 0) << row[0].str();
            for (int c : columns) {
                ASSERT_EQ(f().roundPlayers[master][c].str(), row[c].str()) << row[0].str() << " column " << c;
            }
            for (const EntrantRow& board : f().boardRows) {
                if (!sameEntrant(board, row[0].str(), row[1].str())) continue;
                for (int c : columns)
                    ASSERT_EQ(board[c].str(), row[c].str()) << "board " << row[0].str() << " column " << c;
            }
        }
    }

    static std::vector<int> allColumns() {
        std::vector<int> columns(15);
        std::iota(columns.begin(), columns.end(), 0);
        return columns;
    }
};

} // namespace velmora::test
