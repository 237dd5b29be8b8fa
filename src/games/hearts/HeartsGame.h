#pragma once

#include "games/hearts/HeartsBackgroundTables.h"
#include "games/hearts/HeartsTable.h"
#include "tournament/GameTable.h"

namespace velmora {

class GameContext;

// Hearts behind the table frame: thirteen cards each after a pass of three, and at every table the
// two who took the most penalty points are out. The end of the hand closes the round itself.
class HeartsGame : public GameTable {
  public:
    explicit HeartsGame(GameContext& form) : f(form), m_table(form), m_background(form) {}

    // The human's table, whose pass button and driver (Timer7) the window wires to it.
    HeartsTable& table() { return m_table; }

    int handSize() const override { return 13; }
    void setUp() override;
    void start() override;
    void cardClick(int index) override;
    bool humanToPlay() override { return m_table.humanToPlay(); }
    bool humanMayPlayCard(int slot) override { return m_table.humanMayPlaySlot(slot); }
    bool humanSettingAside() override { return m_table.passPhase(); }
    std::string prompt() override { return m_table.passPrompt(); }
    void drawScoreboard() override;
    void drawRoundScoreboard() override;
    bool watchesRoundEnd() const override { return false; }
    bool finishedAtTable(const EntrantRow& row) const override;
    void qualify() override;
    void backgroundTick() override { m_background.Timer8_Timer(); }
    void backgroundHandOver() override;
    int humanTableVerdict() override;
    bool humanOutOfRound() override;
    std::array<int, 4> humanTablePlaces() override { return m_table.humanTablePlaces(); }
    void decideFinal(const std::vector<EntrantRow*>& finalists) override;
    std::string standingsHeader() const override;
    std::vector<EntrantRow*> standingsRows(int table) override;
    std::vector<std::string> standingsScores(const EntrantRow& row) const override;

  private:
    GameContext& f;
    HeartsTable m_table;
    HeartsBackgroundTables m_background;
};

} // namespace velmora
