#pragma once

#include "app/Form1.h"
#include "data/Database.h"
#include "support/GameTest.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace velmora::test {

// A career in the shipped calendar's world with the dashboard showing "Gioca Torneo", plus the
// steps of a round the tournament screens rely on (the tables' own play belongs to the games).
class TournamentFixture : public GameTest {
  protected:
    void makeWorld(const WorldOptions& options = {}) {
        load();
        platform.takeMessages();
        buildWorld(form->db(), options);
        form->playerSurname = options.surname;
        form->playerFirstName = options.firstName;
        form->playerNation = options.nation;
        form->currentWeek = options.week;
        showDashboard();
    }

    // The dashboard with "Gioca Torneo", no table above it.
    void showDashboard() {
        c("Picture2").visible = true;
        c("Picture5").visible = false;
        c("Label39").visible = true;
    }

    // The first event of the calendar for a game and a number of entrants, held in a nation
    // ("it", "us", ...) or, with host "nazio"/"conti", a national or continental event.
    std::string eventFor(const std::string& game, int entrants, const std::string& host = "") {
        std::string sql =
            "SELECT * FROM calendario where gioco='" + game + "' and giocatori=" + std::to_string(entrants);
        if (host.empty()) {
            sql += " and not nazione='conti' and not nazione='nazio'";
        } else {
            sql += " and nazione='" + host + "'";
        }
        Rows rows = form->db().query(sql + " order by settimana asc ");
        if (rows.empty()) ADD_FAILURE() << "no " << game << " event of " << entrants;
        return rows.at(0, 0).str();
    }

    void enter(const std::string& event) { form->temp().setText("evento", event); }

    // Starts the entered event as the player's click on "Gioca Torneo".
    void start(std::uint64_t seed = 1) {
        form->random().setState(seed);
        showDashboard();
        click("Label39");
    }

    int entrants() const {
        int n = 0;
        for (const EntrantRow& row : form->roundPlayers)
            n += !row[0].isEmpty();
        return n;
    }

    // Ends every table of the round the way the table frame leaves it: two of each table go on
    // (at Uno by emptying their hands), the other two are out with the round's place group. The
    // human goes on or out as asked.
    void finishRound(bool humanGoesOn, std::mt19937& rng) {
        Form1& f = *form;
        const bool uno = f.currentGame == "Uno";
        for (int t = 1; t <= f.tableCount; ++t) {
            std::vector<int> rows;
            for (int i = 0; i < 512; ++i) {
                if (f.roundPlayers[i][6].num() == t) rows.push_back(i);
            }
            ASSERT_EQ(rows.size(), 4u) << "table " << t;
            std::shuffle(rows.begin(), rows.end(), rng);
            auto human = std::find(rows.begin(), rows.end(), 0);
            if (human != rows.end()) std::iter_swap(human, humanGoesOn ? rows.begin() : rows.end() - 1);
            for (int k = 0; k < 4; ++k) {
                EntrantRow& row = f.roundPlayers[rows[k]];
                const bool goesOn = k < 2;
                row[7] = Value(goesOn || !uno ? 0 : 1 + static_cast<int>(rng() % 9));
                row[8] = Value(goesOn ? 0 : 1);
                if (!goesOn) row[9] = Value(f.qualifierCount);
            }
        }
        regroup();
        c("Picture5").visible = true;
        c("Label49").visible = true;
    }

    // tablePlayers by table, and the scoreboard rows refreshed by name, as the frame keeps them.
    void regroup() {
        Form1& f = *form;
        int next = 0;
        for (int t = 1; t <= f.tableCount; ++t) {
            for (const EntrantRow& row : f.roundPlayers) {
                if (row[6].num() == t) f.tablePlayers[next++] = row;
            }
        }
        for (EntrantRow& board : f.boardRows) {
            const int i = findEntrant(f.roundPlayers, board[0].str(), board[1].str());
            if (i >= 0) board = f.roundPlayers[i];
        }
    }

    void nextRound() { click("Label49"); }
};

} // namespace velmora::test
