#include "game/tournament/TournamentStartFixture.h"

#include "tournament/TournamentStart.h"

#include <map>
#include <set>
#include <sstream>

namespace velmora {
namespace {

using test::TournamentFixture;
using test::WorldOptions;

struct Skills {
    long long sum = 0;
    int worldPosition = 0;
};

class TournamentStartTest : public TournamentFixture {
  protected:
    // Every computer player's skill sum and world position, read straight from the database.
    std::map<std::pair<std::string, std::string>, Skills> world() {
        std::map<std::pair<std::string, std::string>, Skills> out;
        Rows rows = form->db().query("SELECT * FROM giocatori order by totalepunti desc");
        for (int r = 0; r <= rows.last(); ++r) {
            Skills& s = out[{rows.at(0, r).str(), rows.at(1, r).str()}];
            s.sum = rows.at(6, r).toInt() + rows.at(7, r).toInt() + rows.at(8, r).toInt();
            s.worldPosition = r + 1;
        }
        return out;
    }

    // The invariants of a freshly drawn field of n entrants.
    void expectSoundField(int n) {
        Form1& f = *form;
        auto players = world();
        EXPECT_EQ(entrants(), n);
        EXPECT_EQ(f.tableCount, n / 4);
        EXPECT_EQ(f.qualifierCount, n / 2);
        EXPECT_EQ(f.roundNumber, 1);
        EXPECT_TRUE(sameEntrant(f.roundPlayers[0], "Rossi", "Mario")) << "the human is always row 0";

        std::set<std::pair<std::string, std::string>> seen;
        std::map<int, int> perTable;
        for (int i = 0; i < n; ++i) {
            const EntrantRow& row = f.roundPlayers[i];
            const std::pair<std::string, std::string> name{row[0].str(), row[1].str()};
            ASSERT_TRUE(seen.insert(name).second) << "entered twice: " << name.first << " " << name.second;
            ASSERT_TRUE(players.count(name)) << name.first;
            EXPECT_EQ(row[5].num(), players[name].worldPosition) << i;
            EXPECT_EQ(row[7].num(), 10) << i;
            if (i > 0) {
                EXPECT_GE(players[name].sum, TournamentStart::leastSkillSum(i)) << "slot " << i;
            }
            const int table = static_cast<int>(row[6].num());
            ASSERT_GE(table, 1) << i;
            ASSERT_LE(table, f.tableCount) << i;
            ++perTable[table];
        }
        for (int t = 1; t <= f.tableCount; ++t)
            EXPECT_EQ(perTable[t], 4) << "table " << t;
        for (int i = n; i < 512; ++i)
            ASSERT_TRUE(f.roundPlayers[i][0].isEmpty()) << i;
        EXPECT_EQ(f.humanTable, f.roundPlayers[0][6].num());

        // The scoreboard list: the best by ranking points first, each entrant once; a field under
        // twenty repeats its weakest entrant to the end.
        const int distinct = std::min(n, 20);
        std::set<std::pair<std::string, std::string>> onBoard;
        for (int k = 0; k < 20; ++k) {
            const EntrantRow& row = f.boardRows[k];
            const int i = findEntrant(f.roundPlayers, row[0].str(), row[1].str());
            ASSERT_GE(i, 0) << "board row " << k;
            EXPECT_EQ(f.roundPlayers[i][10].num(), 1) << k;
            if (k < distinct) {
                EXPECT_TRUE(onBoard.insert({row[0].str(), row[1].str()}).second) << k;
                if (k > 0) {
                    EXPECT_LE(row[4].num(), f.boardRows[k - 1][4].num()) << k;
                }
            } else {
                EXPECT_TRUE(
                    sameEntrant(row, f.boardRows[distinct - 1][0].str(), f.boardRows[distinct - 1][1].str()))
                    << k;
            }
        }
        // Nobody left off the board has more points than the board's last distinct row.
        for (int i = 0; i < n; ++i) {
            if (f.roundPlayers[i][10].num() != 1) {
                EXPECT_LE(f.roundPlayers[i][4].num(), f.boardRows[distinct - 1][4].num());
            }
        }

        // The table screen.
        const Control& tables = c("Combo7");
        ASSERT_EQ(static_cast<int>(tables.items.size()), f.tableCount);
        for (int t = 1; t <= f.tableCount; ++t)
            EXPECT_EQ(tables.items[t - 1], std::to_string(t));
        EXPECT_EQ(tables.text, std::to_string(f.humanTable));
        EXPECT_EQ(c("Label38", 10).text, "TAVOLO " + std::to_string(f.humanTable));
        EXPECT_EQ(c("Label38", 20).text, "1° TURNO");
        EXPECT_EQ(c("Label46").text, TournamentStart::ruleSheet("Uno"));
        EXPECT_FALSE(c("Label44").visible);
        for (int i = 27; i <= 29; ++i)
            EXPECT_FALSE(c("Image11", i).visible);
        EXPECT_TRUE(form->window().enabled());
    }
};

TEST_F(TournamentStartTest, FieldsOfEverySizeAreSoundForSeveralSeeds) {
    makeWorld();
    std::set<std::string> fields;
    for (int n : {8, 64, 128}) {
        const std::string event = eventFor("Uno", n);
        for (std::uint64_t seed : {1u, 77u, 4242u}) {
            SCOPED_TRACE(event + " seed " + std::to_string(seed));
            enter(event);
            start(seed);
            EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
            EXPECT_EQ(form->enteredEvent, event);
            EXPECT_EQ(form->currentGame, "Uno");
            EXPECT_EQ(form->eventRows.at(0, 0).str(), event);
            expectSoundField(n);
            std::ostringstream field;
            for (int i = 0; i < n; ++i)
                field << form->roundPlayers[i][0].str() << form->roundPlayers[i][6].str() << ";";
            fields.insert(field.str());
            showDashboard();
        }
    }
    EXPECT_EQ(fields.size(), 9u) << "every seed draws its own field and tables";
}

TEST_F(TournamentStartTest, SkillBarsFallEveryTenSlotsWithHalvesToEven) {
    const std::map<int, int> bar = {{1, 24},  {5, 24},  {6, 21},  {14, 21}, {15, 18}, {25, 18},
                                    {26, 15}, {34, 15}, {35, 12}, {45, 12}, {46, 9},  {54, 9},
                                    {55, 6},  {65, 6},  {66, 3},  {74, 3},  {75, 0}};
    for (auto [slot, least] : bar)
        EXPECT_EQ(TournamentStart::leastSkillSum(slot), least) << "slot " << slot;
}

TEST_F(TournamentStartTest, AWorldTooWeakForTheFieldIsRefusedPlainly) {
    makeWorld();
    const std::string event = eventFor("Uno", 8);
    // Exactly five players clear the first bar (24) and two more the second (21): just enough for
    // eight. Everybody else is as weak as can be.
    form->db().execute("UPDATE giocatori SET uno='1', hearts='1', brisolo='1' WHERE not uno=0");
    for (int i = 1; i <= 5; ++i) {
        form->db().execute("UPDATE giocatori SET uno='8', hearts='8', brisolo='8' WHERE cognome='Cognome" +
                           std::to_string(i) + "'");
    }
    for (int i = 6; i <= 7; ++i) {
        form->db().execute("UPDATE giocatori SET uno='7', hearts='7', brisolo='7' WHERE cognome='Cognome" +
                           std::to_string(i) + "'");
    }
    enter(event);
    start(5);
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_EQ(entrants(), 8);
    std::set<std::string> strongest, next;
    for (int i = 1; i <= 5; ++i)
        strongest.insert(form->roundPlayers[i][0].str());
    for (int i = 6; i <= 7; ++i)
        next.insert(form->roundPlayers[i][0].str());
    EXPECT_EQ(strongest, (std::set<std::string>{"Cognome1", "Cognome2", "Cognome3", "Cognome4", "Cognome5"}));
    EXPECT_EQ(next, (std::set<std::string>{"Cognome6", "Cognome7"}));

    // One strong player fewer: the fifth slot can never be filled.
    form->db().execute("UPDATE giocatori SET uno='1', hearts='1', brisolo='1' WHERE cognome='Cognome5'");
    clearEntrantTable(form->roundPlayers);
    const std::string rulesBefore = c("Label46").text = "";
    showDashboard();
    click("Label39");
    EXPECT_EQ(platform.takeMessages(),
              std::vector<std::string>{
                  "Non ci sono abbastanza giocatori per completare il tabellone di questo torneo."});
    EXPECT_EQ(platform.lastTitle(), "Velmora");
    EXPECT_TRUE(form->window().enabled());
    EXPECT_EQ(entrants(), 0) << "nothing started";
    EXPECT_EQ(c("Label46").text, rulesBefore);

    // Two rows of one name are one player: giving Cognome5's strength back under Cognome4's name
    // still leaves four.
    form->db().execute("UPDATE giocatori SET uno='8', hearts='8', brisolo='8', cognome='Cognome4', "
                       "nome='Nome4' WHERE cognome='Cognome5'");
    click("Label39");
    EXPECT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_EQ(entrants(), 0);
}

TEST_F(TournamentStartTest, TheSeasonFinalOpensOnlyForTheEightBest) {
    WorldOptions outsider;
    outsider.week = 50;
    makeWorld(outsider);
    click("Label39");
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_TRUE(form->window().enabled());
    EXPECT_EQ(entrants(), 0);
    EXPECT_EQ(form->enteredEvent, "0") << "a final the player is not in is not his event";

    form->db().execute("UPDATE giocatori SET unopunti='100000' WHERE uno=0");
    form->random().setState(3);
    click("Label39");
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    Rows final = form->db().query("SELECT * FROM calendario where  settimana=50");
    EXPECT_EQ(form->enteredEvent, final.at(0, 0).str());
    EXPECT_EQ(form->currentGame, "Uno");
    EXPECT_EQ(entrants(), 8);
    EXPECT_EQ(form->tableCount, 2);
    EXPECT_EQ(form->qualifierCount, 4);
    EXPECT_EQ(form->temp().text("evento"), "0") << "the store is left as it was";
}

TEST_F(TournamentStartTest, AnEnteredEventIsPlayedEvenInTheFinalsWeeks) {
    WorldOptions options;
    options.week = 51;
    makeWorld(options);
    const std::string event = eventFor("Uno", 64);
    enter(event);
    start();
    EXPECT_EQ(form->enteredEvent, event);
    EXPECT_EQ(entrants(), 64);
}

TEST(RuleSheets, TitleBlankLineAndParagraphsExactly) {
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::string line;
        std::istringstream in(text);
        while (std::getline(in, line, '\n'))
            out.push_back(line);
        return out;
    };
    const auto uno = lines(TournamentStart::ruleSheet("Uno"));
    ASSERT_EQ(uno.size(), 8u);
    EXPECT_EQ(uno[0], "UNO");
    EXPECT_EQ(uno[1], "");
    EXPECT_EQ(uno[2], "Le regole del gioco sono le stesse che nella modalita' classica, tranne quattro punti "
                      "fondamentali:");
    EXPECT_EQ(uno[4], "2) sul pesca 4 non c'e' la possibilita' di accusare di bluff");
    EXPECT_EQ(
        uno[7],
        "I primi due giocatori che terminano le carte sono i giocatori che accedono al turno successivo");

    const auto brisolo = lines(TournamentStart::ruleSheet("Brisolo"));
    ASSERT_EQ(brisolo.size(), 6u);
    EXPECT_EQ(brisolo[0], "BRISOLO");
    EXPECT_EQ(brisolo[2].rfind("Si gioca con il mazzo da 52 carte, con l'asso la carta piu'alta. Ogni", 0),
              0u);
    EXPECT_NE(brisolo[2].find("Chi vince la manche , nella successiva manche, partira' per primo."),
              std::string::npos);
    EXPECT_EQ(brisolo[5], "In caso di ulteriore parita' si ricorrera' al sorteggio.");

    const auto hearts = lines(TournamentStart::ruleSheet("Hearts"));
    ASSERT_EQ(hearts.size(), 5u);
    EXPECT_EQ(hearts[0], "Hearts"); // the one title in mixed case
    EXPECT_EQ(hearts[3],
              "Nel caso un giocatore dovesse fare la luna, passa insieme a lui chi gli ha passato la luna.");
    EXPECT_EQ(TournamentStart::ruleSheet("Scopa"), "");
}

} // namespace
} // namespace velmora
