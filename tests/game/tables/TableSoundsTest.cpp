// The table's sounds, from the table's own events over a seeded round of each game: each event
// raises its sounds once, in play order, and Hearts' broken hearts sound once in the hand.

#include "support/GameTest.h"
#include "ui/TableSounds.h"

#include "TableRound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class TableSounds : public GameTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(TableSounds, EachEventSoundsOnceInPlayOrder) {
    form->openDatabase();
    form->db().execute("PRAGMA synchronous = OFF");
    form->currentGame = GetParam();
    form->currentWeek = 1;
    platform.keepTableEvents();
    seatRound(*form, 2);
    form->random().setState(RandomSequence::kStart + 7919ULL);
    form->gameTable()->setUp();
    click("Label42");
    std::vector<std::string> expected, heard;
    int heartsBroken = 0, bannerSounds = 0;
    for (int step = 0; step < 20000 && !c("Label49").visible; ++step) {
        if (playerMoves(*form).empty()) advance(250);
        for (const TableEvent& event : platform.takeTableEvents()) {
            const std::vector<std::string> sounds = tableSounds(event);
            expected.insert(expected.end(), sounds.begin(), sounds.end());
            heartsBroken += event.kind == TableEvent::Kind::HeartsBroken;
        }
        for (const std::string& name : platform.takeSounds()) {
            // The banner over the table sounds as it comes up, apart from the table's moves.
            if (name == "qualificato" || name == "eliminato" || name == "campione" || name == "finale-posto")
                ++bannerSounds;
            else
                heard.push_back(name);
        }
    }
    ASSERT_TRUE(c("Label49").visible) << "the round never closed";
    EXPECT_EQ(heard, expected);
    EXPECT_LE(bannerSounds, 1) << "the banner over his table sounded again";
    EXPECT_GT(std::count(heard.begin(), heard.end(), std::string("carta")), 10) << "the cards laid are silent";
    if (GetParam() == "Hearts") {
        EXPECT_EQ(heartsBroken, 1);
        EXPECT_EQ(std::count(heard.begin(), heard.end(), std::string("cuori-rotti")), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, TableSounds, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace velmora::test
