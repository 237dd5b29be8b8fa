#include "tournament/Scoreboard.h"

#include "state/GameContext.h"
#include "state/Season.h"

namespace velmora {

namespace {

constexpr int kBoardRows = 20;
constexpr int kFinalsBoardRows = 8;
// Background stripes behind every second line: Label23 items from this one on, one per stripe.
constexpr int kFirstBoardStripe = 50;

} // namespace

int Scoreboard::shownRows(const GameContext& f) {
    return Season::isFinalsWeek(f.currentWeek) ? kFinalsBoardRows : kBoardRows;
}

void Scoreboard::draw(GameContext& f, const std::vector<int>& items, const Fill& fill) {
    const int shown = shownRows(f);
    std::map<int, std::string> columns;
    for (int item : items)
        columns[item];
    for (int k = 0; k < kBoardRows; ++k) {
        Control& flag = f.c("Image15", k);
        if (k % 2 == 0) f.c("Label23", kFirstBoardStripe + k / 2).visible = k < shown;
        if (k >= shown) {
            flag.visible = false;
            continue;
        }
        const EntrantRow& row = f.boardRows[static_cast<size_t>(k)];
        Line line;
        fill(row, line);
        for (auto& [item, text] : columns) {
            if (k > 0) text += '\n';
            const auto found = line.find(item);
            if (found != line.end()) text += found->second;
        }
        f.loadPicture(flag, GameContext::flagPath(row[entrant::kFlag].str()));
        flag.visible = true;
    }
    for (const auto& [item, text] : columns)
        f.c("Label38", item).text = text;
}

} // namespace velmora
