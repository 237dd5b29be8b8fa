// The boards as a screen reader reads them: one table each, its column headers the columns' long
// names, one row per player holding that player's figures, over a closed round of each game; and
// the boards of the rankings and the calendar, one row per line across all their columns.

#include "app/ScreenBoards.h"
#include "game/rankings/RecordsFixture.h"
#include "support/GameTest.h"
#include "tournament/BoardColumns.h"
#include "tournament/Scoreboard.h"
#include "tournament/StandingsBoard.h"

#include "TableRound.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class BoardReading : public SeededRound, public ::testing::WithParamInterface<std::string> {
  protected:
    // The column whose header starts with `word` (the long names start with their short heading).
    static int column(const AccessibleTable& table, const std::string& word) {
        for (size_t k = 0; k < table.headers.size(); ++k)
            if (table.headers[k].rfind(word, 0) == 0) return static_cast<int>(k);
        return -1;
    }
};

TEST_P(BoardReading, EachBoardIsOneTableOfItsColumnsLongNamesAndItsPlayers) {
    deal(GetParam());
    ASSERT_TRUE(playToClose()) << "the round never closed";
    c("Combo7").text = "2"; // the other table's standings
    StandingsBoard(*form).draw();

    struct Board { int header; size_t players; };
    const size_t shown = static_cast<size_t>(Scoreboard::shownRows(*form)); // boardRows repeat the 8 players
    for (const Board board : {Board{BoardColumns::kScoreboardHeader, shown}, Board{BoardColumns::kStandingsHeader, 4}}) {
        SCOPED_TRACE("board under Label38 " + std::to_string(board.header));
        const Control& header = c("Label38", board.header);
        const Accessible said = form->window().describe(header);
        EXPECT_EQ(said.role, AccessibleRole::Table);
        EXPECT_FALSE(said.name.empty());
        // The headers are the legend's long names in the header's order (the flags' column aside,
        // a picture), with the players' names where the header has them.
        std::vector<std::string> legend, named;
        std::istringstream lines(header.toolTip);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("Naz", 0) != 0) legend.push_back(line);
        for (const std::string& name : said.table.headers)
            if (name != "Giocatore") named.push_back(name);
        EXPECT_EQ(named, legend);
        EXPECT_NE(column(said.table, "Giocatore"), -1);
        // No column caption is read besides the table.
        for (const BoardColumns::Heading& heading : BoardColumns::headings(form->window(), board.header))
            for (int item : heading.items)
                EXPECT_EQ(form->window().describe(c("Label38", item)).role, AccessibleRole::Hidden) << item;

        ASSERT_EQ(said.table.rows.size(), board.players);
        const int name = column(said.table, "Giocatore"), rank = column(said.table, "Rank:"),
                  points = column(said.table, "Punti:");
        for (const std::vector<std::string>& row : said.table.rows) {
            ASSERT_EQ(row.size(), said.table.headers.size());
            const EntrantRow* player = nullptr;
            for (const EntrantRow& entrant : form->roundPlayers) {
                // Uno's board writes the first name first.
                const std::string surname = entrant[entrant::kSurname].str(), first = entrant[entrant::kFirstName].str();
                if (row[name] == surname + " " + first || row[name] == first + " " + surname) player = &entrant;
            }
            ASSERT_TRUE(player) << "no player " << row[name];
            EXPECT_EQ(row[rank], (*player)[entrant::kWorldPosition].str()) << row[name];
            EXPECT_EQ(row[points], (*player)[entrant::kRankingPoints].str()) << row[name];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, BoardReading, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

class ScreenBoardReading : public RecordsTest {};

TEST_F(ScreenBoardReading, TheRankingsAndTheCalendarAreTablesOfTheirLines) {
    open({.week = 6});
    // Every board names controls the window has.
    for (const ScreenBoard& board : ScreenBoard::all())
        for (const ScreenBoard::Column& column : board.columns)
            EXPECT_NO_THROW(c(column.caption.name, column.caption.index)) << board.name;
    // Three finishers of the week's first event, for its results board.
    for (int place = 1; place <= 3; ++place) {
        Rows player = form->db().query("SELECT cognome, nome, nazionalita FROM giocatori WHERE cognome='Cognome" +
                                       std::to_string(place) + "'");
        form->db().insert("tornei", {{"torneo", "Challenger di Cork"}, {"tipo", "Uno"}, {"cognome", player.at(0, 0)},
                                     {"nome", player.at(1, 0)}, {"nazionalita", player.at(2, 0)}, {"posizione", place},
                                     {"punti", 40 / place}, {"premio", 900 / place}, {"settimana", 6}});
    }
    struct Step { const char* click; int index; const char* carrier; };
    for (const Step step : {Step{"Label1", 6, "Label13"}, Step{"Label1", 5, "Label28"}, Step{"Label29", 0, "Label31"}}) {
        clickOk(step.click, step.index);
        const ScreenBoard& board = *ScreenBoard::carriedBy(step.carrier, -1);
        SCOPED_TRACE(board.name);
        const Accessible said = form->window().describe(c(step.carrier));
        ASSERT_EQ(said.role, AccessibleRole::Table);
        EXPECT_EQ(said.name, board.name);
        ASSERT_EQ(said.table.headers.size(), board.columns.size());
        std::vector<std::vector<std::string>> columns;
        for (size_t k = 0; k < board.columns.size(); ++k) {
            EXPECT_EQ(said.table.headers[k], board.columns[k].header);
            const Control& caption = c(board.columns[k].caption.name);
            EXPECT_EQ(form->window().describe(caption).role, AccessibleRole::Hidden) << caption.name;
            columns.push_back(lines(caption.text));
        }
        // Each line of the board is one row, its cells the columns' words on that line.
        ASSERT_GE(said.table.rows.size(), 3u);
        EXPECT_EQ(said.table.rows.size(), columns[1].size());
        for (size_t r = 0; r < said.table.rows.size(); ++r)
            for (size_t k = 0; k < columns.size(); ++k)
                EXPECT_EQ(said.table.rows[r][k], r < columns[k].size() ? columns[k][r] : "") << r << " " << k;
    }
}

} // namespace
} // namespace velmora::test
