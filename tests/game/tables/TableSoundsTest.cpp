// The table's sounds and words, from the table's own events over seeded rounds: each event raises
// its sounds once, in play order, Hearts' broken hearts sound once in the hand, and at Uno whose
// turn it is is said only once the card that passed the turn on has made its victim draw; the card
// under the keyboard's frame is said as the frame moves.

#include "cards/SpokenCard.h"
#include "support/GameTest.h"
#include "ui/TableSounds.h"

#include "TableRound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace velmora::test {
namespace {

class TableSounds : public SeededRound, public ::testing::WithParamInterface<std::string> {};

TEST_P(TableSounds, EachEventSoundsOnceInPlayOrder) {
    platform.keepTableEvents();
    deal(GetParam());
    std::vector<std::string> expected, heard;
    int heartsBroken = 0, bannerSounds = 0;
    ASSERT_TRUE(playToClose([&](int) {
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
    })) << "the round never closed";
    EXPECT_EQ(heard, expected);
    EXPECT_LE(bannerSounds, 1) << "the banner over his table sounded again";
    EXPECT_GT(std::count(heard.begin(), heard.end(), std::string("carta")), 10) << "the cards laid are silent";
    if (GetParam() == "Hearts") {
        EXPECT_EQ(heartsBroken, 1);
        EXPECT_EQ(std::count(heard.begin(), heard.end(), std::string("cuori-rotti")), 1);
    }
}

// What the player hears where a happening has two sounds: a +4 is not a +2, his own trick not another's.
TEST(TableSoundNames, EachHappeningSoundsAsItself) {
    using Kind = TableEvent::Kind;
    struct Row { Kind kind; int seat; int count; std::vector<std::string> sounds; };
    for (const Row& row : std::vector<Row>{{Kind::PenaltyDraw, 1, 2, {"pesca2"}}, {Kind::PenaltyDraw, 3, 4, {"pesca4"}},
                                           {Kind::TrickTaken, 3, 0, {"presa-tua"}}, {Kind::TrickTaken, 0, 0, {"presa"}},
                                           {Kind::Deal, -1, 10, {"mescola", "distribuisci"}}}) {
        TableEvent event;
        std::tie(event.kind, event.seat, event.count) = std::tie(row.kind, row.seat, row.count);
        EXPECT_EQ(tableSounds(event), row.sounds) << "kind " << static_cast<int>(row.kind) << ", seat " << row.seat;
    }
}

class TableReading : public SeededRound {};

TEST_F(TableReading, UnoSaysWhoseTurnItIsOnlyAfterTheDrawOfAPlusTwoOrFour) {
    int penalties = 0;
    for (unsigned long long seed : {7919ULL, 104729ULL, 1299709ULL}) {
        deal("Uno", seed);
        std::string lastTurn;
        ASSERT_TRUE(playToClose([&](int) {
            for (const std::string& said : platform.takeAnnouncements()) {
                if (said.rfind("Tocca a ", 0) == 0) lastTurn = said;
                // "Giochi +2 rosso: Verdi pesca 2", "Bianchi gioca +4 e sceglie blu: pesca 4"
                const size_t colon = said.find(": ");
                if (colon == std::string::npos || said.find(" pesc", colon) == std::string::npos) continue;
                if (said.find(" +2") == std::string::npos && said.find(" +4") == std::string::npos) continue;
                const std::string culprit = said.rfind("Giochi ", 0) == 0 ? "te" : said.substr(0, said.find(" gioca "));
                EXPECT_EQ(lastTurn, "Tocca a " + culprit) << "seed " << seed << ": the turn was said before \""
                                                          << said << "\"";
                ++penalties;
            }
        })) << "seed " << seed << ": the round never closed";
    }
    EXPECT_GT(penalties, 2) << "no +2 or +4 was played: nothing was checked";
}

TEST_F(TableReading, TheCardUnderTheKeyboardsFrameIsSaidAsTheFrameMoves) {
    deal("Uno");
    for (int step = 0; step < 400 && !form->gameTable()->humanToPlay(); ++step)
        advance(250);
    ASSERT_TRUE(form->gameTable()->humanToPlay());
    for (int press = 0; press < 3; ++press) {
        platform.takeAnnouncements();
        ASSERT_TRUE(form->window().pressKey("Right"));
        int framed = -1;
        for (int slot = 0; slot < kHandSlots; ++slot)
            if (c("Image11", slot).framed) framed = slot;
        ASSERT_NE(framed, -1);
        const std::string card = spokenCard(cardCodeOfPicture(c("Image11", framed).picture));
        const std::vector<std::string> said = platform.takeAnnouncements();
        // The first press shows the frame; a press that leaves it on the only card says nothing new.
        if (press == 0 || !said.empty()) { EXPECT_EQ(said, std::vector<std::string>{card}) << "press " << press; }
    }
}

TEST_F(TableReading, WhatHeIsAskedToDoIsSaidAsItComesUp) {
    deal("Hearts");
    ASSERT_TRUE(c("Label85").visible) << "no pass to make";
    const std::vector<std::string> said = platform.takeAnnouncements();
    EXPECT_EQ(std::count(said.begin(), said.end(), c("Label85").text), 1) << "the pass is never asked aloud";
}

INSTANTIATE_TEST_SUITE_P(EveryGame, TableSounds, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace velmora::test
