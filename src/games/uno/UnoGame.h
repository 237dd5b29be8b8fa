#pragma once

#include "tournament/GameTable.h"

namespace velmora {

class Form1;

// Uno behind the table frame: ten cards each, the two who empty their hands go on, and the frame's
// table watch closes the round.
class UnoGame : public GameTable {
  public:
    explicit UnoGame(Form1& form) : f(form) {}

    int handSize() const override { return 10; }
    void setUp() override;
    void start() override;
    void cardClick(int index) override;
    bool humanToPlay() override;
    bool humanMayPlayCard(int slot) override;
    void drawScoreboard() override;
    bool finishedAtTable(const EntrantRow& row) const override;
    void qualify() override;
    bool humanOutOfRound() override;
    void placePlayedFinal() override;
    void decideFinal(const std::vector<EntrantRow*>& finalists) override;
    std::string standingsHeader() const override;
    std::vector<EntrantRow*> standingsRows(int table) override;
    std::vector<std::string> standingsScores(const EntrantRow& row) const override;

  private:
    Form1& f;
};

} // namespace velmora
