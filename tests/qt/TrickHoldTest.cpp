#include "ui/qt/TrickHold.h"

#include "ui/ScriptedPlatform.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

// A table with the four seats' places, the held trick and the "INIZIA" button, as the table
// screen has them.
class TrickHoldTest : public ::testing::Test {
  protected:
    ScriptedPlatform platform{"/tmp"};
    Window w{platform};
    TrickHold hold;

    TrickHoldTest() {
        w.add("Picture5", ControlKind::Panel).visible = true;
        w.add("Label42", ControlKind::Label).visible = false;
        w.addArray("Image9", 0, 4, ControlKind::Picture);
        w.addArray("Image23", 0, 3, ControlKind::Picture);
        for (int i = 0; i <= 4; ++i)
            w("Image9", i).visible = false;
        for (int i = 0; i <= 3; ++i)
            w("Image23", i).visible = false;
    }

    // The seat's card is shown at one look and taken away at the next.
    void playedThenTaken(int seat, int factor) {
        w("Image9", seat).visible = true;
        hold.update(w, factor);
        w("Image9", seat).visible = false;
        hold.update(w, factor);
    }

    bool kept(int seat) { return hold.keeps(w("Image9", seat)); }
};

TEST_F(TrickHoldTest, AtSpeedASeatsCardStaysUntilTheNextCardLands) {
    playedThenTaken(1, 3);
    EXPECT_TRUE(kept(1));
    EXPECT_FALSE(kept(2));
    EXPECT_FALSE(hold.keeps(w("Image9", 4))) << "the pile is the game's own";

    // The next seat's card replaces it.
    w("Image9", 2).visible = true;
    hold.update(w, 3);
    EXPECT_FALSE(kept(1));
    w("Image9", 2).visible = false;
    hold.update(w, 3);
    EXPECT_TRUE(kept(2));
}

TEST_F(TrickHoldTest, NothingIsKeptAtTheGamesOwnPaceOrOffTheTable) {
    playedThenTaken(0, 1);
    EXPECT_FALSE(kept(0)) << "at Normale cards come and go exactly as the game says";

    playedThenTaken(0, 10);
    ASSERT_TRUE(kept(0));
    w("Label42").visible = true; // dealt again: "INIZIA" is up
    hold.update(w, 10);
    EXPECT_FALSE(kept(0));

    w("Label42").visible = false;
    playedThenTaken(3, 10);
    ASSERT_TRUE(kept(3));
    w("Picture5").visible = false; // the table was left
    hold.update(w, 10);
    EXPECT_FALSE(kept(3));
}

TEST_F(TrickHoldTest, ATrickTheTableHoldsIsNotHeldTwice) {
    for (int seat = 0; seat < 4; ++seat)
        w("Image9", seat).visible = true;
    hold.update(w, 3);
    for (int seat = 0; seat < 4; ++seat) {
        w("Image9", seat).visible = false;
        w("Image23", seat).visible = true;
    }
    hold.update(w, 3);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_FALSE(kept(seat)) << "seat " << seat;
}

} // namespace
} // namespace velmora
