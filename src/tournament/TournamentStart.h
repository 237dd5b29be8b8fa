#pragma once

#include "data/Rows.h"

#include <string>

namespace velmora {

class GameContext;

// "Gioca Torneo": the field, the first round's tables, the scoreboard list and the rule sheet.
class TournamentStart {
  public:
    explicit TournamentStart(GameContext& form) : f(form) {}

    // Starts the tournament entered this week (or the season final the player qualified for).
    void Label39_Click();
    // The rule sheet shown behind "I" for a game ("Uno", "Brisolo", "Hearts"); empty for others.
    static std::string ruleSheet(const std::string& game);
    // The least sum of the three skills a computer player needs to take slot i (1..) of a field:
    // the first slots go to the strongest all-round players.
    static int leastSkillSum(int slot);

  private:
    // The eight best of a game's ranking, the season final's field; no rows for an unknown game.
    Rows bestEight(const std::string& game);
    // True when the human stands among those rows.
    bool amongFinalists(const Rows& best);
    // Seats the season final: the human first, then the other seven of the ranking in its order.
    void enterFinalists(const Rows& finalists, const Rows& worldRanking);
    // True when the world (giocatori rows, the human first) holds enough distinct computer
    // players to fill every slot of a field.
    static bool fieldCanBeFilled(const Rows& playerRows, int players);
    void drawField(int players, const Rows& worldRanking);
    void seatFirstRound(int players);
    void fillBoardRows();
    // Tells the player why the tournament cannot start.
    void refuse(const std::string& message);

    GameContext& f;
};

} // namespace velmora
