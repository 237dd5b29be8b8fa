#pragma once

#include "games/brisolo/BrisoloBackgroundTables.h"
#include "games/brisolo/BrisoloTable.h"
#include "tournament/GameTable.h"

namespace velmora {

class GameContext;

// Brisolo behind the table frame: thirteen cards each, thirteen manches, and at every table the two
// with the fewest points are out.
class BrisoloGame : public GameTable {
  public:
    explicit BrisoloGame(GameContext& form) : f(form), m_table(form), m_background(form) {}

    // The human's table, whose driver the window's Timer6 runs.
    BrisoloTable& table() { return m_table; }

    int handSize() const override { return 13; }
    void setUp() override;
    void start() override;
    void cardClick(int index) override;
    bool humanToPlay() override { return m_table.humanToPlay(); }
    bool humanMayPlayCard(int slot) override { return m_table.humanMayPlaySlot(slot); }
    void drawScoreboard() override;
    bool finishedAtTable(const EntrantRow& row) const override;
    void qualify() override;
    void backgroundTick() override { m_background.Timer5_Timer(); }
    int humanTableVerdict() override;
    bool humanOutOfRound() override;
    std::array<int, 4> humanTablePlaces() override;
    void decideFinal(const std::vector<EntrantRow*>& finalists) override;
    std::string standingsHeader() const override;
    std::vector<EntrantRow*> standingsRows(int table) override;
    std::vector<std::string> standingsScores(const EntrantRow& row) const override;

  private:
    GameContext& f;
    BrisoloTable m_table;
    BrisoloBackgroundTables m_background;
};

} // namespace velmora
