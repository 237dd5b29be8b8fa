#pragma once

#include <string>
#include <vector>

namespace velmora {

class GameContext;
class NamePool;

// Creating a new world of 2000 players with one previous season behind it.
class NewCareer {
  public:
    explicit NewCareer(GameContext& form) : f(form) {}

    // Index 0 creates the world from the new-career screen; index 1 closes the screen.
    void Label3_Click(int index);

    // Computer players of a new world (the human makes the 2000th).
    static constexpr int kComputerPlayers = 1999;

  private:
    // (surname, first name, nation) of each player, row 0 the human.
    struct Entry {
        std::string surname, firstName, nation;
    };

    void create(const std::string& firstName, const std::string& surname);
    std::vector<Entry> drawNames(NamePool& pool, const Entry& human);
    // Row 0, the human, is stored with the age he chose.
    void insertPlayers(const std::vector<Entry>& names, double humanAge);
    void playSeason();
    std::vector<int> chooseFinalists(int pointsColumn);
    void showProgress();

    GameContext& f;
};

} // namespace velmora
