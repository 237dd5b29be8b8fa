// The title menu, the career submenu, the dashboard menu and the pop-up panels.

#include "support/GameTest.h"
#include "support/WorldBuilder.h"

#include <string>

namespace velmora::test {
namespace {

class MenuTest : public GameTest {
  protected:
    void SetUp() override { load(); }
    bool shown(int entry) { return c("Label1", entry).visible; }
    // A menu entry and the frame drawn around it must always agree.
    void expectEntry(int entry, bool visible, const std::string& frame) {
        EXPECT_EQ(c("Label1", entry).visible, visible) << "Label1(" << entry << ")";
        EXPECT_EQ(c(frame).visible, visible) << frame << " around Label1(" << entry << ")";
    }
};

TEST_F(MenuTest, CarrieraOpensAndClosesTheSubmenuWithItsFrames) {
    expectEntry(3, false, "Shape12");
    expectEntry(4, false, "Shape13");
    click("Label1", 1);
    expectEntry(3, true, "Shape12");
    expectEntry(4, true, "Shape13");
    EXPECT_TRUE(form->window().enabled());
    click("Label1", 1);
    expectEntry(3, false, "Shape12");
    expectEntry(4, false, "Shape13");
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(MenuTest, NuovaShowsAFreshFormWithTheListedNationsFlag) {
    c("Text1", 0).text = "Old";
    c("Text1", 1).text = "Name";
    c("Label4").visible = true;
    c("Label4").width = 9999;
    form->window().setComboText(c("Combo1", 1), "Giappone");
    click("Label1", 1);
    click("Label1", 3);
    EXPECT_TRUE(c("Picture1").visible);
    EXPECT_EQ(c("Text1", 0).text, "");
    EXPECT_EQ(c("Text1", 1).text, "");
    EXPECT_FALSE(c("Label4").visible);
    EXPECT_EQ(c("Label4").width, 4000);
    EXPECT_EQ(c("Image3").picture, "\\immagini\\flags\\jp.jpg");
    EXPECT_EQ(form->chosenNation, "Giappone");

    // Choosing a nation previews its flag and makes it the career's nation.
    ASSERT_TRUE(form->window().choose("Combo1", 1, "Brasile"));
    EXPECT_EQ(c("Image3").picture, "\\immagini\\flags\\br.jpg");
    EXPECT_EQ(form->chosenNation, "Brasile");
    // The age list has no preview.
    ASSERT_TRUE(form->window().choose("Combo1", 0, "45"));
    EXPECT_EQ(form->chosenNation, "Brasile");
}

TEST_F(MenuTest, CaricaWithoutAWorldLeavesTheScreenAsItWas) {
    form->db().execute("delete * from giocatori ");
    click("Label1", 1);
    click("Label1", 4);
    // Nothing opens, and the player is told why and where to start instead.
    const auto messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("\"Nuova\""), std::string::npos) << messages[0];
    EXPECT_EQ(platform.lastTitle(), "Velmora");
    EXPECT_FALSE(c("Picture1").visible);
    EXPECT_FALSE(c("Picture2").visible);
    for (int entry : {5, 6, 7, 16, 17})
        EXPECT_FALSE(shown(entry)) << entry;
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(MenuTest, CaricaOpensTheDashboardAndItsEsciReturnsToTheTitle) {
    buildWorld(form->db());
    click("Label1", 1);
    click("Label1", 4);
    ASSERT_TRUE(platform.takeMessages().empty());
    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_FALSE(c("Picture1").visible);
    EXPECT_EQ(c("Label1", 8).text, "Mario Rossi");
    const char* frames[] = {"Shape14", "Shape15", "Shape16", "Shape17", "Shape18"};
    const int entries[] = {5, 6, 7, 16, 17};
    for (int i = 0; i < 5; ++i)
        expectEntry(entries[i], true, frames[i]);

    // Home closes the record screens over the dashboard.
    c("Picture3").visible = true;
    c("Picture4").visible = true;
    click("Label1", 16);
    EXPECT_FALSE(c("Picture3").visible);
    EXPECT_FALSE(c("Picture4").visible);
    EXPECT_TRUE(c("Picture2").visible);

    click("Label1", 7);
    EXPECT_FALSE(c("Picture2").visible);
    for (int i = 0; i < 5; ++i)
        expectEntry(entries[i], false, frames[i]);
    EXPECT_TRUE(shown(1));
    EXPECT_TRUE(shown(2));
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(MenuTest, EsciClosesTheDatabaseAndQuits) {
    click("Label1", 2);
    EXPECT_TRUE(platform.quitRequested());
    EXPECT_FALSE(form->cnox);
    // A click that still arrives before the window closes is reported, never a crash.
    click("Label1", 1);
    click("Label1", 4);
    EXPECT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_TRUE(form->window().enabled());
}

TEST_F(MenuTest, PopUpsOpenAndClose) {
    c("Picture5").visible = true;
    click("Label45");
    EXPECT_TRUE(c("Picture6").visible);
    click("Label47");
    EXPECT_FALSE(c("Picture6").visible);
    EXPECT_TRUE(c("Picture5").visible);

    c("Picture8").visible = true;
    click("Label52");
    EXPECT_FALSE(c("Picture8").visible);
}

} // namespace
} // namespace velmora::test
