#include "tournament/StandingsBoard.h"

#include "app/Form1.h"
#include "tournament/BoardColumns.h"

#include <string>
#include <vector>

namespace velmora {

namespace {

// The board's column labels, one line per player shown.
constexpr int kNameColumn = 4, kOutColumn = 5, kCardsColumn = 6, kRankColumn = 7, kPointsColumn = 8,
              kOnColumn = 18, kScoreColumns[3] = {24, 25, 26};

} // namespace

std::string StandingsBoard::header(TableGame game) {
    switch (game) {
    case TableGame::Uno:
        return "Naz  El Car  Giocatore                                                                       "
               "                                Rank       Punti";
    case TableGame::Brisolo:
        return "Naz  El Car   Pu  Ma  MP Giocatore                                                           "
               "                           Rank  Punti";
    case TableGame::Hearts:
        return "Naz  El Car  Pu  Cuo   Giocatore                                                             "
               "                               Rank  Punti";
    case TableGame::None:
        break;
    }
    return "";
}

std::string StandingsBoard::heartText(const Value& lowestHeart) {
    const long long value = lowestHeart.toInt();
    switch (value) {
    case 14:
        return "A";
    case 13:
        return "K";
    case 12:
        return "D"; // donna
    case 11:
        return "J";
    default:
        break;
    }
    // 20 (and 0) stand for no heart taken yet.
    return value >= 2 && value <= 10 ? std::to_string(value) : "";
}

void StandingsBoard::draw() {
    const TableGame game = tableGame(f.currentGame);
    for (int item : {kNameColumn, kOutColumn, kCardsColumn, kRankColumn, kPointsColumn, kOnColumn,
                     kScoreColumns[0], kScoreColumns[1], kScoreColumns[2]}) {
        f.c("Label38", item).text.clear();
    }
    f.c("Label38", 9).text = header(game);
    BoardColumns::alignStandings(f.window());

    const long long table = Value(f.c("Combo7").text).toInt();
    std::vector<EntrantRow*> shown;
    if (table >= 1 && table <= f.tableCount && game != TableGame::None) {
        if (game == TableGame::Uno) {
            for (EntrantRow& row : f.roundPlayers) {
                if (!row[0].isEmpty() && row[6].num() == static_cast<double>(table)) shown.push_back(&row);
            }
        } else {
            for (long long r = 4 * (table - 1); r < 4 * table; ++r)
                shown.push_back(&f.tablePlayers[r]);
        }
    }

    if (game == TableGame::Uno && !shown.empty()) {
        // An Uno table is decided once two of its players have emptied their hands; the board
        // settles who goes on as it draws.
        int emptied = 0;
        for (long long r = 4 * (table - 1); r < 4 * table; ++r) {
            if (f.tablePlayers[r][7].isEmpty()) ++emptied;
        }
        for (EntrantRow* row : shown) {
            if ((*row)[7].isEmpty()) {
                (*row)[8] = Value(0);
            } else if (emptied >= 2) {
                (*row)[8] = Value(1);
            }
        }
    }

    auto addLine = [&](int item, const std::string& text) { f.c("Label38", item).text += text + "\n"; };
    int line = 0;
    for (EntrantRow* entry : shown) {
        const EntrantRow& row = *entry;
        addLine(kCardsColumn, row[7].str());
        addLine(kPointsColumn, row[4].str());
        addLine(kRankColumn, row[5].str());
        addLine(kNameColumn, row[0].str() + " " + row[1].str());
        if (game == TableGame::Brisolo) {
            addLine(kScoreColumns[0], row[11].str());
            addLine(kScoreColumns[1], row[12].str());
            addLine(kScoreColumns[2], row[14].str());
        } else if (game == TableGame::Hearts) {
            addLine(kScoreColumns[0], row[11].str());
            addLine(kScoreColumns[1], heartText(row[12]));
        }
        // Marks only once the player's hand is empty: "V" goes on, "X" is out.
        const bool decided = row[7].isEmpty();
        const bool out = row[8].is("1");
        addLine(kOnColumn, decided && !out ? "V" : "");
        addLine(kOutColumn, decided && out ? "X" : "");
        if (f.window().find("Image14", line)) {
            Control& flag = f.c("Image14", line);
            f.loadPicture(flag, Form1::flagPath(row[3].str()));
            flag.visible = true;
        }
        ++line;
    }
    for (; f.window().find("Image14", line); ++line)
        f.c("Image14", line).visible = false;
}

} // namespace velmora
