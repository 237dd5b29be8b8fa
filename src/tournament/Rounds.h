#pragma once

#include <string>

namespace velmora {

class GameContext;

// "PROSSIMO TURNO": the next round, or the rest of the tournament and the prize board.
//
// A tournament is a knock-out of tables of four, two of each table going through. Every entrant
// ends with a place group in column 9: 1, 2, 3 (and 4 for a simulated final) for the finalists,
// otherwise the number of players still to go through (qualifierCount) when he went out.
class Rounds {
  public:
    explicit Rounds(GameContext& form) : f(form) {}

    void Label49_Click();
    // Sets the event's flag and name and the page list, lists page "1" and shows the board.
    void fillPrizeBoard();
    void Combo8_Click();
    // "La tua riga: pagina N": turns the prize board to the page that lists him.
    void Label80_Click();
    // The prize board's page that lists the human.
    int humanPrizePage();
    // Lists the page chosen in Combo8: up to 64 places with name, flag, prize and ranking points.
    void listPrizePage();

    // Caption of the round that qualifierCount players will go through ("OTTAVI" .. "FINALE");
    // rounds without a name are counted in roundNumber ("2° TURNO").
    static std::string roundCaption(int qualifierCount, int& roundNumber);
    // Pages of the prize board, 64 places each.
    static int prizePages(int entrants);

  private:
    // Reads the result of the round just played; true when the human is out of the tournament.
    bool closeRoundForHuman();
    // Plays the rest of the tournament without the human, down to the places of the final.
    void decideRest();
    void decideFinal();
    void seatNextRound();
    // The index of a random entrant row meeting the condition; throws when no row does.
    template <class Condition> int drawEntrant(Condition condition);

    GameContext& f;
};

} // namespace velmora
