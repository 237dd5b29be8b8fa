// The banner over the table tells the human how each of his tables left him, in words that agree
// with what the tournament then stores: through to the next round, or out at the very place stored
// for him, or his place in a final. One 64-player event of each game, played by the scripted human
// from several points of the game's random sequence, until he has both gone through a round and
// gone out of one.

#include "EnteredTournament.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

const std::string kThrough = "QUALIFICATO!|Passi al turno successivo";

// What one tournament's banners said, and whether they told both outcomes.
struct BannerStory {
    bool wentThrough = false;
    bool wentOut = false;
    int seenOpen = 0; // tables whose banner was up while their round was still open
};

std::string joined(const std::string& caption) {
    std::string text;
    for (const std::string& line : valueLines(caption))
        text += (text.empty() ? "" : "|") + line;
    return text;
}

// The banners of every table he played, checked against the place stored for him.
BannerStory checkBanners(const std::vector<std::string>& banners, int place) {
    BannerStory story;
    EXPECT_FALSE(banners.empty());
    if (banners.empty()) return story;
    for (size_t k = 0; k + 1 < banners.size(); ++k)
        EXPECT_EQ(banners[k], kThrough) << "table " << k + 1 << " was followed by another";
    story.wentThrough = banners.size() > 1;
    const std::string& last = banners.back();
    int finalPlace = 0;
    int outPlace = 0;
    if (std::sscanf(last.c_str(), "ELIMINATO|Chiudi il torneo al %d° posto", &outPlace) == 1) {
        EXPECT_EQ(place, outPlace) << last;
        story.wentOut = true;
    } else if (std::sscanf(last.c_str(), "FINALE CONCLUSA|Chiudi il torneo al %d° posto", &finalPlace) == 1) {
        EXPECT_EQ(place, finalPlace) << last;
    } else {
        EXPECT_EQ(last, "CAMPIONE!|Hai vinto il torneo");
        EXPECT_EQ(place, 1);
    }
    return story;
}

// Plays `eventName` with the random sequence advanced by `draws` at the load, and checks its
// banners against the stored place. The banner is read the moment his table is decided, with the
// round still open (at Hearts his hand closes the round), and again at "PROSSIMO TURNO": it stays
// up, with the same words, until then.
BannerStory playEvent(const std::string& eventName, int draws) {
    EnteredTournament entered(EnteredTournament::named(eventName), draws);
    DriverProcess& d = entered.driver();
    const std::string game = entered.event().game;
    d.click("Label39");
    EXPECT_FALSE(d.visible("Label56")) << "a banner before the first card";

    std::vector<std::string> banners; // at each "PROSSIMO TURNO"
    int seenOpen = 0;
    std::string open;                 // the banner of the table being played, as it came up
    auto whileOpen = [&] {
        if (!d.visible("Label56") || d.visible("Label49") || !open.empty()) return;
        open = joined(d.caption("Label56"));
    };
    auto atClose = [&] {
        if (!d.visible("Label49")) return;
        EXPECT_TRUE(d.visible("Label56")) << "the banner is gone before \"PROSSIMO TURNO\"";
        banners.push_back(joined(d.caption("Label56")));
        if (!open.empty()) {
            EXPECT_EQ(open, banners.back()) << "the banner changed its words before \"PROSSIMO TURNO\"";
            ++seenOpen;
        }
        open.clear();
    };
    entered.playScripted(whileOpen, atClose);
    EXPECT_TRUE(d.visible("Picture7"));
    EXPECT_FALSE(d.visible("Label56")) << "a banner over the prize board";
    d.click("Label50");
    const int place = entered.storedPlace();
    EXPECT_GT(place, 0) << "no stored place";
    if (place <= 0) return {};
    SCOPED_TRACE(game + ", " + std::to_string(draws) + " draws, stored place " + std::to_string(place));
    BannerStory story = checkBanners(banners, place);
    story.seenOpen = seenOpen;
    return story;
}

// Plays the event from one point of the random sequence after another until the human has both
// gone through a round and gone out of one.
void expectBothOutcomes(const std::string& eventName, const std::string& game) {
    constexpr int kTries = 16;
    BannerStory seen;
    // At Hearts his hand closes the whole round at once; elsewhere his table is decided first,
    // though its close may also close the round.
    const bool closesAtOnce = game == "Hearts";
    for (int k = 0; k < kTries && !(seen.wentThrough && seen.wentOut && (closesAtOnce || seen.seenOpen > 0));
         ++k) {
        const int draws = 1009 * k;
        SCOPED_TRACE(std::to_string(draws) + " draws at the load");
        const BannerStory story = playEvent(eventName, draws);
        seen.wentThrough = seen.wentThrough || story.wentThrough;
        seen.wentOut = seen.wentOut || story.wentOut;
        seen.seenOpen += story.seenOpen;
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_TRUE(seen.wentThrough) << "he never went through a round";
    EXPECT_TRUE(seen.wentOut) << "he never went out of a round";
    if (!closesAtOnce) {
        EXPECT_GT(seen.seenOpen, 0) << "the banner never came up while the round was still open";
    }
}

TEST(OutcomeBannerTest, UnoTablesTellHimWhetherHeGoesOn) {
    expectBothOutcomes("Open di Berlino", "Uno");
}

TEST(OutcomeBannerTest, HeartsTablesTellHimWhetherHeGoesOn) {
    expectBothOutcomes("Open di Milano", "Hearts");
}

TEST(OutcomeBannerTest, BrisoloTablesTellHimWhetherHeGoesOn) {
    expectBothOutcomes("Trofeo di Bologna", "Brisolo");
}

} // namespace
} // namespace velmora::test
