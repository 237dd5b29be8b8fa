// The options screen, what a screen reader is told of the window, and the sounds the career raises.

#include "app/Options.h"
#include "cards/SpokenCard.h"
#include "support/GameTest.h"
#include "tournament/OutcomeBanner.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

class OptionsTest : public test::GameTest {
  protected:
    void openOptions() {
        load();
        click("Label1", 19);
        ASSERT_TRUE(c("Picture13").visible);
    }
    bool choose(const std::string& list, const std::string& item) {
        return form->window().choose(list, -1, item);
    }
    std::string accessible(const std::string& name, int index = -1) {
        const Accessible said = form->window().describe(c(name, index));
        return std::string(Accessible::roleName(said.role)) + "|" + said.name + "|" + said.state;
    }
};

TEST_F(OptionsTest, ChoicesTakeEffectAtOnceAndComeBackAtTheNextStart) {
    openOptions();
    EXPECT_EQ(c("Combo13").text, "Solo colori");
    EXPECT_EQ(form->window().shownPicture("\\immagini\\Uno\\7rosso.jpg"), "\\immagini\\Uno\\7rosso.jpg");
    ASSERT_TRUE(choose("Combo13", "Colori e simboli"));
    EXPECT_EQ(form->window().shownPicture("\\immagini\\Uno\\7rosso.jpg"), "\\immagini\\unosimboli\\7rosso.jpg");
    EXPECT_EQ(form->window().shownPicture("\\immagini\\52\\7cuori.jpg"), "\\immagini\\52\\7cuori.jpg");
    EXPECT_EQ(c("Label48", 2).text.rfind(Options::symbolOf("rosso"), 0), 0u) << "the chooser shows no symbol";
    ASSERT_TRUE(choose("Combo15", "Rapida"));
    EXPECT_EQ(c("Combo12").text, "Rapida") << "\"Ritmo al tavolo\" is not the table's pace";
    ASSERT_TRUE(choose("Combo14", "No"));
    EXPECT_TRUE(c("Label71").visible) << "no sign that the sounds are off";
    ASSERT_TRUE(form->window().pressKey("Escape"));
    EXPECT_FALSE(c("Picture13").visible) << "Esc did not close the options";

    // The next start, on the same desktop.
    form = std::make_unique<Form1>(platform);
    load();
    EXPECT_EQ(c("Combo13").text, "Colori e simboli");
    EXPECT_EQ(c("Combo12").text, "Rapida");
    EXPECT_EQ(c("Combo15").text, "Rapida");
    EXPECT_EQ(c("Combo14").text, "No");
    EXPECT_NE(form->window().shownPicture("\\immagini\\uno\\piu2blu.jpg").find("unosimboli"), std::string::npos);
    // M switches the sounds on again anywhere but in a text box.
    ASSERT_TRUE(form->window().pressKey("M"));
    EXPECT_EQ(c("Combo14").text, "Sì");
    EXPECT_FALSE(c("Label71").visible);
    EXPECT_EQ(platform.preference(Options::kSoundsKey), "0");
}

TEST_F(OptionsTest, EveryCardIsNamedAsAPlayerSaysIt) {
    struct Row {
        const char* code;
        const char* spoken;
    };
    const Row rows[] = {
        {"14cuori", "Asso di cuori"},   {"12picche", "Donna di picche"}, {"13fiori", "Re di fiori"},
        {"11quadri", "Fante di quadri"}, {"2picche", "2 di picche"},      {"10cuori", "10 di cuori"},
        {"7rosso", "Rosso 7"},           {"0giallo", "Giallo 0"},         {"piu2verde", "Verde +2"},
        {"cambiagiro", ""},              {"cambiagiroblu", "Blu cambia giro"},
        {"saltaturnorosso", "Rosso salta turno"}, {"cambiacolore", "Jolly cambia colore"},
        {"piu4", "+4"},                  {"dietro", ""},                  {"15cuori", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(spokenCard(row.code), row.spoken) << row.code;
    // Every face of both decks has a name, and no two share one.
    std::set<std::string> names;
    for (const char* colour : {"rosso", "giallo", "verde", "blu"}) {
        for (const char* value : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "piu2", "cambiagiro", "saltaturno"})
            names.insert(spokenCard(std::string(value) + colour));
    }
    for (const char* suit : {"picche", "cuori", "fiori", "quadri"}) {
        for (int value = 2; value <= 14; ++value)
            names.insert(spokenCard(std::to_string(value) + suit));
    }
    names.insert(spokenCard("cambiacolore"));
    names.insert(spokenCard("piu4"));
    EXPECT_EQ(names.count(""), 0u);
    EXPECT_EQ(names.size(), 4u * 13 + 4u * 13 + 2);
    EXPECT_EQ(cardCodeOfPicture("\\immagini\\Uno\\piu2verde.jpg"), "piu2verde");
    EXPECT_EQ(cardCodeOfPicture("\\immagini\\uno\\dietro.jpg"), "");
}

TEST_F(OptionsTest, EachKindOfControlIsReadByItsRoleAndName) {
    load();
    EXPECT_EQ(accessible("Label1", 1), "button|Carriera|");
    EXPECT_EQ(accessible("Label1", 0), "text|Velmora|");
    EXPECT_EQ(accessible("Picture13"), "group|Opzioni|");
    EXPECT_EQ(accessible("Image2"), "hidden||") << "the felt is read";
    EXPECT_EQ(accessible("Shape1"), "hidden||");
    EXPECT_EQ(accessible("Combo13"), "own||");
    Control& card = c("Image11", 0);
    card.picture = "\\immagini\\52\\12picche.jpg";
    card.clickable = true;
    card.dimmed = true;
    EXPECT_EQ(accessible("Image11", 0), "button|Donna di picche|non giocabile ora");
    c("Image11", 27).picture = "\\immagini\\52\\14cuori.jpg";
    EXPECT_EQ(accessible("Image11", 27), "button|Asso di cuori|messa da parte per il passaggio");
    c("Image9", 1).picture = "\\immagini\\uno\\dietro.jpg";
    EXPECT_EQ(accessible("Image9", 1), "hidden||") << "a face-down card is read";
    c("Label43").backColor = 0x1A89EE;
    EXPECT_EQ(accessible("Label43"), "text|Colore in gioco: blu|");
    EXPECT_EQ(accessible("Label48", 3), "button|Verde|");
}

TEST_F(OptionsTest, TheWeekMovingOnSoundsOnce) {
    load();
    platform.takeSounds();
    form->currentWeek += 1;
    click("Label1", 1); // any event: the sounds follow what changed
    EXPECT_EQ(platform.takeSounds(), (std::vector<std::string>{"settimana"}));
    click("Label1", 1);
    EXPECT_TRUE(platform.takeSounds().empty()) << "the week sounded twice";
    // verdict, qualifiers going on, place in a final -> the banner's sound
    struct Row { int verdict, qualifiers, place; const char* sound; };
    for (const Row& row : {Row{1, 32, 0, "qualificato"}, Row{-1, 32, 0, "eliminato"}, Row{1, 2, 1, "campione"},
                           Row{-1, 2, 2, "finale-posto"}})
        EXPECT_EQ(OutcomeBanner::sound(row.verdict, row.qualifiers, row.place), row.sound);
}

} // namespace
} // namespace velmora
