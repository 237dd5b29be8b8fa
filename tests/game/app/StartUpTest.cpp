// Opening the window: the random counter, the title pictures, the lists of the new-career screen and
// the calendar, the title menu, and what the player sees when the database cannot be opened.

#include "cards/RandomSequence.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/GameTest.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace velmora::test {
namespace {

class StartUpTest : public GameTest {
  protected:
    // Writes the stored random counter before the window loads.
    void storeCounter(double value) {
        Database database(Database::connectionString(folder.path()));
        KeyValueStore(database).setNumber("nummag", value);
    }
    double storedCounter() { return form->temp().number("nummag"); }
};

TEST_F(StartUpTest, OpensOnTheTitleMenuWithTheListsReady) {
    load();
    EXPECT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(form->appTitle, "Velmora");
    EXPECT_EQ(c("Image1", 0).picture, "\\immagini\\cards.gif");
    EXPECT_EQ(c("Image1", 1).picture, "\\immagini\\cards.gif");
    EXPECT_EQ(c("Image2").picture, "\\immagini\\sfondo.jpg");

    for (int p = 1; p <= 8; ++p)
        EXPECT_FALSE(c("Picture" + std::to_string(p)).visible) << p;
    EXPECT_TRUE(c("Label1", 1).visible);
    EXPECT_TRUE(c("Label1", 2).visible);
    for (int entry : {3, 4, 5, 6, 7, 16, 17})
        EXPECT_FALSE(c("Label1", entry).visible) << entry;

    const Control& ages = c("Combo1", 0);
    ASSERT_EQ(ages.items.size(), 77u);
    EXPECT_EQ(ages.items.front(), "14");
    EXPECT_EQ(ages.items.back(), "90");
    EXPECT_EQ(ages.text, "30");

    // The nation list follows the nation table in name order, and the first one is already chosen
    // with its flag, so "Avanti" always has a nation to use.
    Rows nations = form->db().query("SELECT nazionalita, nazione FROM nazionalita");
    const Control& list = c("Combo1", 1);
    ASSERT_EQ(static_cast<int>(list.items.size()), nations.rowCount());
    EXPECT_TRUE(
        std::is_sorted(list.items.begin(), list.items.end(), [](const std::string& a, const std::string& b) {
            return strcasecmp(a.c_str(), b.c_str()) < 0;
        }));
    EXPECT_EQ(list.text, list.items.front());
    EXPECT_EQ(form->chosenNation, list.items.front());
    std::string firstKey;
    for (int r = 0; r <= nations.last(); ++r) {
        if (nations.at(1, r).str() == list.items.front()) firstKey = nations.at(0, r).str();
    }
    EXPECT_EQ(c("Image3").picture, "\\immagini\\flags\\" + firstKey + ".jpg");

    const Control& weeks = c("Combo6");
    ASSERT_EQ(weeks.items.size(), 52u);
    EXPECT_EQ(weeks.text, "1");
    EXPECT_EQ(form->weekComboReady, 1);
}

TEST_F(StartUpTest, CounterNearTheTopWrapsAndTheSequenceMovesOnByIt) {
    storeCounter(26990);
    // The same fixed sequence the window uses: 26991 discarded draws, then the counter's growth.
    RandomSequence expected;
    for (int i = 0; i <= 26990; ++i)
        expected.next();
    const double growth = expected.next() * 1000;
    ASSERT_GT(growth, 10.5) << "the sequence must add more than 10 for the counter to wrap";

    load();
    const double stored = storedCounter();
    EXPECT_LT(stored, 1000);
    EXPECT_EQ(stored, static_cast<double>(roundEven(26990 + growth) - 27000));
    // The window's next draw is the one right after the counter's growth.
    EXPECT_EQ(form->random().next(), expected.next());
}

TEST_F(StartUpTest, TwoRunsOfTheSameCareerDrawDifferentNumbers) {
    load();
    const double firstDraw = form->random().next();
    form.reset();
    form = std::make_unique<Form1>(platform);
    load();
    EXPECT_NE(form->random().next(), firstDraw);
}

TEST_F(StartUpTest, MissingDatabaseIsReportedAndTheMenusStaySafe) {
    std::filesystem::remove(folder.databasePath());
    load();
    auto messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("velmora.mdb"), std::string::npos) << messages[0];
    EXPECT_EQ(platform.lastTitle(), "Velmora");
    EXPECT_TRUE(form->window().enabled());
    EXPECT_FALSE(std::filesystem::exists(folder.databasePath())) << "no empty database may be created";

    // Every menu entry can still be used: the career ones report the missing database.
    click("Label1", 1);
    click("Label1", 4);
    messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("velmora.mdb"), std::string::npos) << messages[0];
    EXPECT_FALSE(c("Picture2").visible);
    click("Label1", 3);
    EXPECT_TRUE(c("Picture1").visible);
    EXPECT_TRUE(form->window().enabled());
    // The new-career form covers the title menu: it is closed before the title's "Esci".
    click("Label3", 1);
    click("Label1", 2);
    EXPECT_TRUE(platform.quitRequested());
}

} // namespace
} // namespace velmora::test
