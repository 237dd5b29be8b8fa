// The short log of moves (Label70) at every game: over seeded rounds played as a plain player
// plays them, every kind of happening the game raises writes its line in the game's words, the log
// shows the newest line first and keeps a few; the lines a player reads are exactly the game's.

#include "support/GameTest.h"
#include "tournament/TableEventWords.h"
#include "ui/TableEvent.h"

#include "TableRound.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

using Kind = TableEvent::Kind;

struct KindLine {
    Kind kind;
    const char* line; // the pattern every line of this kind matches; "" when it writes none
};

struct GameLog {
    std::string game;
    std::vector<KindLine> kinds; // each must come up over the seeded rounds
};

const std::vector<GameLog> kLogs = {
    {"Uno",
     {{Kind::Deal, "Carte mescolate: 10 a testa"},
      // A +2 or +4 is told with the draw it makes.
      {Kind::CardLaid, "((Giocatore\\d+ gioca|Giochi) .+)?"},
      {Kind::CardDrawn, "(Giocatore\\d+ pesca una carta|Peschi .+)"},
      {Kind::PenaltyDraw, "(Giocatore\\d+ gioca|Giochi) \\+[24].*: (Giocatore\\d+ pesca|peschi) [24]"},
      {Kind::LastCard, "(Giocatore\\d+ ha|Hai) una sola carta!"},
      {Kind::HandEmptied, "(Giocatore\\d+ ha|Hai) finito le carte"},
      {Kind::DirectionChanged, "Cambio di giro: ora in senso (orario|antiorario)"}}},
    {"Hearts",
     {{Kind::Deal, "Carte mescolate: 13 a testa"},
      {Kind::CardLaid, "(Giocatore\\d+ gioca|Giochi) (il|la|l').+ di (picche|cuori|fiori|quadri)"},
      {Kind::TrickTaken, "(Giocatore\\d+ prende|Prendi) la mano con .+ di (picche|cuori|fiori|quadri)"},
      {Kind::HeartsBroken, "Cuori rotti"},
      {Kind::QueenTaken, "(Giocatore\\d+ prende|Prendi) la Donna di picche"}}},
    {"Brisolo",
     {{Kind::Deal, "Carte mescolate: 13 a testa"},
      {Kind::CardLaid, "(Giocatore\\d+ gioca|Giochi) (il|la|l').+ di (picche|cuori|fiori|quadri)"},
      {Kind::TrickTaken, "(Giocatore\\d+ prende|Prendi) la manche con .+ \\(\\d+ punti\\)"}}},
};

class MoveLog : public SeededRound, public ::testing::WithParamInterface<GameLog> {};

TEST_P(MoveLog, EveryKindOfMoveWritesItsLineNewestFirst) {
    const GameLog& log = GetParam();
    platform.keepTableEvents();
    std::set<Kind> seen;
    for (int seed = 1; seed <= 3; ++seed) {
        deal(log.game, 7919ULL * static_cast<unsigned>(seed));
        std::vector<std::string> written; // every line, oldest first
        playToClose([&](int step) {
            for (const TableEvent& event : platform.takeTableEvents()) {
                seen.insert(event.kind);
                for (const KindLine& row : log.kinds) {
                    if (row.kind != event.kind) continue;
                    EXPECT_TRUE(std::regex_match(event.line, std::regex(row.line)))
                        << log.game << ": \"" << event.line << "\" for kind " << static_cast<int>(row.kind);
                }
                if (!event.line.empty()) written.push_back(event.line);
            }
            // Newest first, a few lines, as written.
            std::string expected;
            for (size_t k = 0; k < 5 && k < written.size(); ++k)
                expected += (k ? "\n" : "") + written[written.size() - 1 - k];
            ASSERT_EQ(c("Label70").text, expected) << log.game << " seed " << seed << " step " << step;
        });
        if (HasFatalFailure()) return;
    }
    for (const KindLine& row : log.kinds)
        EXPECT_TRUE(seen.count(row.kind)) << log.game << ": kind " << static_cast<int>(row.kind) << " never came up";
}

INSTANTIATE_TEST_SUITE_P(EveryGame, MoveLog, ::testing::ValuesIn(kLogs),
                         [](const ::testing::TestParamInfo<GameLog>& info) { return info.param.game; });

// The game's own words for the happenings a player is told of, as he reads them.
TEST(MoveLogWords, TheLinesAPlayerReads) {
    const std::array<std::string, 4> names = {"Koch", "Tavárez", "Lindqvist", "Rossi"};
    struct Row {
        TableEvent event;
        std::string game, line;
    };
    const std::vector<Row> rows = {
        {{.kind = Kind::PenaltyDraw, .seat = 3, .other = 1, .card = "piu2rosso", .count = 2}, "Uno",
         "Tavárez gioca +2 rosso: peschi 2"},
        {{.kind = Kind::TrickTaken, .seat = 0, .card = "13picche"}, "Hearts", "Koch prende la mano con il Re di picche"},
        {{.kind = Kind::HeartsBroken}, "Hearts", "Cuori rotti"},
        {{.kind = Kind::CardLaid, .seat = 3, .card = "8cuori"}, "Hearts", "Giochi l'8 di cuori"},
        {{.kind = Kind::CardLaid, .seat = 2, .card = "piu2verde"}, "Uno", ""},
        {{.kind = Kind::CardLaid, .seat = 0, .card = "piu4", .colour = "blu"}, "Uno", ""},
        {{.kind = Kind::PenaltyDraw, .seat = 1, .other = 0, .card = "piu4", .count = 4, .colour = "blu"}, "Uno",
         "Koch gioca +4 e sceglie blu: Tavárez pesca 4"},
        {{.kind = Kind::TrickTaken, .seat = 3, .card = "14quadri", .count = 41}, "Brisolo",
         "Prendi la manche con l'Asso di quadri (41 punti)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(tableEventLine(row.event, row.game, names), row.line);
}

} // namespace
} // namespace velmora::test
