#pragma once

#include "data/Rows.h"

#include <string>
#include <vector>

namespace velmora {

class GameContext;

// The "Statistiche" screen (Picture9): his career told from its history - his world places and his
// money week by week in two charts, his record per game and overall, and his trophy shelf. It only
// reads the store.
class Statistics {
  public:
    // The screen's labels are items of Label64.
    static constexpr const char* kLabels = "Label64";
    enum Label {
        kTitle = 0,
        kSummary = 1,
        kPlacesCaption = 2,
        kMoneyCaption = 3,
        kRecordCaption = 4,
        kRecordRows = 5,       // the captions of the record table's lines
        kRecordColumns = 6,    // 6..9: Uno, Hearts, Brisolo, all games
        kRecordHeadings = 10,  // 10..13: their headings
        kBestGame = 14,
        kShelfCaption = 15,
        kWinsCaption = 16,
        kFinalsCaption = 17,
        kWinColumns = 18,      // 18..21: season, week, game, event
        kWinHeadings = 22,     // 22..25
        kFinalColumns = 26,    // 26..30: season, week, game, place, event
        kFinalHeadings = 31,   // 31..35
        kSeasonsCaption = 36,  // over Combo17, the seasons whose review can be seen again
        kLastLabel = 36,
    };
    static constexpr int kWinColumnCount = 4;
    static constexpr int kFinalColumnCount = 5;
    // Lines the shelf lists show; older trophies are counted on a last line.
    static constexpr int kShelfLines = 6;
    // His rivals (Label68: 0 the caption, 1 one line each) and the seasons lived (Combo17).
    static constexpr const char* kRivals = "Label68";
    static constexpr int kRivalLines = 5;
    static constexpr const char* kSeasons = "Combo17";
    // The two charts.
    static constexpr const char* kPlacesChart = "Chart1";
    static constexpr const char* kMoneyChart = "Chart2";

    explicit Statistics(GameContext& form) : f(form) {}

    // Label1(18): shows the screen over the dashboard, in place of any other record screen, and
    // draws it from the history as it stands.
    void open();
    // Draws the charts, the record table and the shelf again.
    void redraw();
    // The season chosen in Combo17 (1 for "Stagione 1"), 0 for none.
    int chosenSeason();

  private:
    void drawCharts(const Rows& weeks, const Rows& tournaments);
    void drawRecord(const Rows& tournaments);
    // Lays the rivals and the seasons under the shelf, which takes as many lines as it lists.
    void drawRivalsAndSeasons(int shelfLines);
    // The kinds of event he can enter, in the calendar's order of importance.
    std::vector<std::string> enterableKinds();

    GameContext& f;
};

} // namespace velmora
