#include "tournament/StandingsBoard.h"

#include "state/GameContext.h"
#include "tournament/BoardColumns.h"
#include "tournament/GameTable.h"

#include <string>
#include <vector>

namespace velmora {

namespace {

// The board's column labels, one line per player shown.
constexpr int kNameColumn = 4, kOutColumn = 5, kCardsColumn = 6, kRankColumn = 7, kPointsColumn = 8,
              kOnColumn = 18, kScoreColumns[3] = {24, 25, 26};

} // namespace

void StandingsBoard::draw() {
    GameTable* game = f.gameTable();
    for (int item : {kNameColumn, kOutColumn, kCardsColumn, kRankColumn, kPointsColumn, kOnColumn,
                     kScoreColumns[0], kScoreColumns[1], kScoreColumns[2]}) {
        f.c("Label38", item).text.clear();
    }
    f.c("Label38", 9).text = game ? game->standingsHeader() : "";
    BoardColumns::alignStandings(f.window());

    const long long table = Value(f.c("Combo7").text).toInt();
    std::vector<EntrantRow*> shown;
    if (game && table >= 1 && table <= f.tableCount) shown = game->standingsRows(static_cast<int>(table));

    auto addLine = [&](int item, const std::string& text) { f.c("Label38", item).text += text + "\n"; };
    int line = 0;
    for (EntrantRow* entry : shown) {
        const EntrantRow& row = *entry;
        addLine(kCardsColumn, row[entrant::kCards].str());
        addLine(kPointsColumn, row[entrant::kRankingPoints].str());
        addLine(kRankColumn, row[entrant::kWorldPosition].str());
        addLine(kNameColumn, row[entrant::kSurname].str() + " " + row[entrant::kFirstName].str());
        const std::vector<std::string> scores = game->standingsScores(row);
        for (size_t k = 0; k < scores.size() && k < 3; ++k)
            addLine(kScoreColumns[k], scores[k]);
        // Marks only once the player's hand is empty: "V" goes on, "X" is out.
        const bool decided = row[entrant::kCards].isEmpty();
        const bool out = row[entrant::kOut].is("1");
        addLine(kOnColumn, decided && !out ? "V" : "");
        addLine(kOutColumn, decided && out ? "X" : "");
        if (f.window().find("Image14", line)) {
            Control& flag = f.c("Image14", line);
            f.loadPicture(flag, GameContext::flagPath(row[entrant::kFlag].str()));
            flag.visible = true;
        }
        ++line;
    }
    for (; f.window().find("Image14", line); ++line)
        f.c("Image14", line).visible = false;
}

} // namespace velmora
