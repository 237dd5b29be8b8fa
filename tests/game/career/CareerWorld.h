#pragma once

#include "support/GameTest.h"

#include <map>
#include <string>
#include <vector>

namespace velmora::test {

// A career fixture: the window over an application folder whose database already holds a world made
// by a new career ("Mario Rossi" of Italia), made once per test run and copied for each test.
class CareerTest : public GameTest {
  protected:
    // Puts the shared world into the folder, loads the window and takes the career's values into it.
    void openWorld();
    // Reads the career's values from the store into the window, as opening the dashboard does.
    void loadCareer();
    // Fills the new-career screen and presses "Avanti" as a player would.
    void createCareer(const std::string& firstName, const std::string& surname,
                      const std::string& nation = "Italia");
    // The prize board of "Open di Milano" open, the player ("Rossi Mario") eighth.
    void openPrizeBoard();

    // Every row of every table, in storage order: equal dumps mean an unchanged database.
    std::string dump();
    // giocatori row of a player (surname, first name), or -1.
    int playerRow(const Rows& players, const std::string& surname, const std::string& firstName);

    // Checks that every player's points, game by game and in total, are the sum of his tornei rows.
    void expectPointsMatchResults();
    // Checks that no player has two results in the same week.
    void expectNobodyTwiceAWeek();

    // The shared world's database file (made on first use).
    static const std::string& worldFile();
};

} // namespace velmora::test
