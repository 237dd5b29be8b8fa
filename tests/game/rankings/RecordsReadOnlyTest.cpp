// The record screens only read: after every selector of the three screens the career's file is
// the same, byte for byte.

#include "game/rankings/RecordsFixture.h"

#include <fstream>
#include <iterator>

namespace velmora::test {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class RecordsReadOnlyTest : public RecordsTest {};

TEST_F(RecordsReadOnlyTest, EverySelectorLeavesTheStoreAsItWas) {
    open({.week = 12});
    // A few results, so the standings and the history have something to show.
    for (int i = 0; i < 20; ++i) {
        form->db().insert("tornei", {{"torneo", "Open d'Australia"},
                                     {"tipo", "Uno"},
                                     {"cognome", "Cognome" + std::to_string(i + 1)},
                                     {"nome", "Nome" + std::to_string((i + 1) % 97)},
                                     {"nazionalita", "it"},
                                     {"posizione", i + 1},
                                     {"punti", 100 - i},
                                     {"premio", 1000 - i},
                                     {"settimana", 4}});
    }
    const std::string before = fileBytes(folder.databasePath());
    ASSERT_FALSE(before.empty());

    clickOk("Label1", 6);
    for (const std::string scope : {"Continentale", "Nazionale", "Mondo"}) {
        chooseOk("Combo3", scope);
        const auto places = c("Combo4").items;
        for (size_t i = 0; i < places.size(); i += scope == "Nazionale" ? 7 : 1)
            chooseOk("Combo4", places[i]);
        for (const std::string game : {"Uno", "Hearts", "Brisolo", "Generale"})
            chooseOk("Combo2", game);
        const auto pages = c("Combo5").items;
        for (size_t i = 0; i < pages.size(); i += 9)
            chooseOk("Combo5", pages[i]);
    }

    clickOk("Label1", 5);
    for (int week = 1; week <= 52; ++week) {
        chooseOk("Combo6", std::to_string(week));
        for (int line = 0; line < 4; ++line) {
            if (c("Label29", line).visible) clickOk("Label29", line);
        }
    }

    clickOk("Label1", 17);
    for (const std::string name : {"Cognome1 Nome1", "Rossi Mario", "Cognome1999 Nome59"}) {
        chooseOk("Combo9", name);
        for (const std::string game : {"Uno", "Hearts", "Brisolo", "Generale"}) {
            chooseOk("Combo11", game);
        }
        for (const std::string game : {"Uno", "Hearts", "Brisolo", "Tutti"})
            chooseOk("Combo10", game);
    }
    ASSERT_TRUE(form->window().type("Text2", -1, "cognome1"));
    clickOk("Image18");
    clickOk("Label52");
    clickOk("Label1", 16);

    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_FALSE(c("Picture3").visible);
    EXPECT_FALSE(c("Picture4").visible);
    EXPECT_FALSE(c("Picture8").visible);
    EXPECT_TRUE(fileBytes(folder.databasePath()) == before);
}

TEST_F(RecordsReadOnlyTest, HomeAndTheDashboardsEsciCloseEveryRecordScreen) {
    open();
    clickOk("Label1", 17);
    clickOk("Label1", 16);
    EXPECT_FALSE(c("Picture8").visible);
    EXPECT_TRUE(c("Picture2").visible);
    // Only one record screen at a time: the calendar is not left beneath the players screen.
    clickOk("Label1", 5);
    clickOk("Label1", 17);
    EXPECT_FALSE(c("Picture4").visible);
    clickOk("Label1", 6);
    EXPECT_FALSE(c("Picture8").visible);
    clickOk("Label1", 7);
    EXPECT_FALSE(c("Picture3").visible);
    EXPECT_FALSE(c("Picture2").visible);
}

TEST_F(RecordsReadOnlyTest, ACareerWithoutTheScopeIndexesGetsThemWhenOpened) {
    load();
    form->db().execute("DROP INDEX giocatori_continente");
    form->db().execute("DROP INDEX giocatori_nazione");
    form = std::make_unique<Form1>(platform);
    load();
    ASSERT_TRUE(platform.takeMessages().empty());
    Rows indexes =
        form->db().query("SELECT name FROM sqlite_master WHERE type='index' AND tbl_name='giocatori' "
                         "ORDER BY name");
    std::vector<std::string> names;
    for (int r = 0; r <= indexes.last(); ++r)
        names.push_back(indexes.at(0, r).str());
    EXPECT_EQ(names,
              (std::vector<std::string>{"giocatori_continente", "giocatori_nazione", "giocatori_nome"}));
}

} // namespace
} // namespace velmora::test
