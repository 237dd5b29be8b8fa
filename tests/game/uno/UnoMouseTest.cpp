#include "games/uno/UnoRules.h"
#include "support/GameTest.h"
#include "support/WorldBuilder.h"
#include "tournament/TournamentStart.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// A whole round of a real tournament played with the mouse: the human clicks his cards, the
// colour buttons, his draw pile and "Passa" as a player would, and time runs on the virtual
// clock until the round is over.
class UnoMouse : public GameTest {
  protected:
    void startTournament() {
        load();
        WorldOptions world;
        world.week = 2;
        world.event = "Open di Berlino"; // 64 players of Uno
        buildWorld(form->db(), world);
        form->currentWeek = world.week;
        form->playerFirstName = world.firstName;
        form->playerSurname = world.surname;
        ASSERT_TRUE(form->window().dispatch([&] { form->tournamentStart().Label39_Click(); }));
        ASSERT_EQ(form->currentGame, "Uno");
        ASSERT_TRUE(c("Picture5").visible);
        ASSERT_TRUE(c("Label42").visible);
    }

    bool humanMayMove() {
        return form->turnSeat == 3 && form->handOver == 0 && !form->timer(3).enabled() &&
               !form->timer(4).enabled() && !c("Label42").visible;
    }

    std::string colourInForce() { return unoColourNamed(c("Label43").backColor); }

    // The human's move as a player makes it, by clicking what the screen offers.
    void move() {
        if (c("Label48", 0).visible) {
            click("Label48", m_moves % 4);
            return;
        }
        for (int item = 0; item < kHandSlots; ++item) {
            const Card& card = form->seatHand[3][static_cast<size_t>(item)];
            if (!humanMayPlay(card, form->discardTop, colourInForce())) continue;
            ASSERT_TRUE(c("Image11", item).visible) << item;
            click("Image11", item);
            ++m_plays;
            return;
        }
        if (c("Image10", 3).visible) {
            click("Image10", 3);
            ++m_draws;
            EXPECT_TRUE(c("Label44").visible);
            return;
        }
        click("Label44");
        ++m_passes;
    }

    int m_moves = 0;
    int m_plays = 0;
    int m_draws = 0;
    int m_passes = 0;
};

TEST_F(UnoMouse, ARoundIsPlayedByClicksUntilProssimoTurnoShows) {
    startTournament();
    if (HasFatalFailure()) return;
    // Nothing is played before "INIZIA".
    EXPECT_TRUE(form->window().click("Image11", 0));
    EXPECT_EQ(form->playSlot, -1);
    click("Label42");
    EXPECT_FALSE(c("Label42").visible);

    bool refusalsSeen = false;
    long long elapsed = 0;
    while (!c("Label49").visible && elapsed < 4LL * 3600 * 1000) {
        if (humanMayMove()) {
            move();
            if (HasFatalFailure()) return;
            ++m_moves;
            continue;
        }
        if (!refusalsSeen && form->turnSeat != 3 && form->timer(3).enabled() && form->tablePhase == 1) {
            // While the computers play, the human's pile and "Passa" are hidden and refuse a click.
            EXPECT_FALSE(c("Image10", 3).visible);
            EXPECT_FALSE(form->window().click("Image10", 3));
            EXPECT_FALSE(form->window().click("Label44"));
            refusalsSeen = true;
        }
        advance(250);
        elapsed += 250;
    }
    ASSERT_TRUE(c("Label49").visible) << "the round did not end";
    EXPECT_EQ(form->handOver, 1);
    EXPECT_TRUE(refusalsSeen);
    EXPECT_GT(m_plays, 0);
    // Two seats of the human's table emptied their hands; the other two are out.
    int emptied = 0;
    for (int seat = 0; seat < 4; ++seat)
        emptied += c("Label40", seat).text == "0" ? 1 : 0;
    EXPECT_EQ(emptied, 2);
    int out = 0;
    for (int r = 0; r < 4 * form->tableCount; ++r)
        out += form->tablePlayers[r][8].toInt() == 1 ? 1 : 0;
    EXPECT_EQ(out, 2 * form->tableCount);
    EXPECT_TRUE(form->window().enabled());
    EXPECT_TRUE(platform.takeMessages().empty());
}

} // namespace
} // namespace velmora::test
