#pragma once

#include "games/uno/UnoBackgroundTables.h"
#include "games/uno/UnoComputer.h"
#include "games/uno/UnoTable.h"
#include "tournament/GameTable.h"

namespace velmora {

class GameContext;

// Uno behind the table frame: ten cards each, the two who empty their hands go on, and the frame's
// table watch closes the round.
class UnoGame : public GameTable {
  public:
    explicit UnoGame(GameContext& form) : f(form), m_table(form), m_computer(form, m_table), m_background(form) {}

    // The human's table, whose human turn the window's Timer4 runs, and the computer seats that
    // Timer3 moves.
    UnoTable& table() { return m_table; }
    UnoComputer& computer() { return m_computer; }

    int handSize() const override { return 10; }
    void setUp() override;
    void start() override;
    void cardClick(int index) override;
    void cardBackClick(int index) override;
    bool humanToPlay() override;
    bool drawOwed() override { return m_table.drawOwed(); }
    bool humanMayPlayCard(int slot) override;
    std::string prompt() override;
    void drawScoreboard() override;
    bool finishedAtTable(const EntrantRow& row) const override;
    void qualify() override;
    void backgroundTick() override { m_background.Timer2_Timer(); }
    int humanCardsOnTheirWay() override;
    int humanTableVerdict() override;
    bool humanOutOfRound() override;
    std::array<int, 4> humanTablePlaces() override;
    void placePlayedFinal() override;
    void decideFinal(const std::vector<EntrantRow*>& finalists) override;
    std::string standingsHeader() const override;
    std::vector<EntrantRow*> standingsRows(int table) override;
    std::vector<std::string> standingsScores(const EntrantRow& row) const override;

  private:
    GameContext& f;
    UnoTable m_table;
    UnoComputer m_computer;
    UnoBackgroundTables m_background;
};

} // namespace velmora
