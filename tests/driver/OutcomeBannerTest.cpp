// The banner over the table tells the human how each of his tables left him, in words that agree
// with what the tournament then stores: through to the next round, or out with the places he will
// share, or his place in a final. One 64-player event of each game, played by the scripted human
// from several points of the game's random sequence, until he has both gone through a round and
// gone out of one.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "ScriptedBrisoloPlayer.h"
#include "ScriptedHeartsPlayer.h"
#include "ScriptedUnoPlayer.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

const std::string kThrough = "QUALIFICATO!|Passi al turno successivo";

// What one tournament's banners said, and whether they told both outcomes.
struct BannerStory {
    bool wentThrough = false;
    bool wentOut = false;
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
    static const std::regex out(
        R"(ELIMINATO\|Chiudi il torneo tra (?:il |l')(\d+)° e (?:il |l')(\d+)° posto)");
    std::smatch range;
    if (std::regex_match(last, range, out)) {
        const int from = std::stoi(range[1]), to = std::stoi(range[2]);
        EXPECT_EQ(to, 2 * (from - 1)) << last;
        EXPECT_GE(place, from) << last;
        EXPECT_LE(place, to) << last;
        story.wentOut = true;
    } else if (std::sscanf(last.c_str(), "FINALE CONCLUSA|Chiudi il torneo al %d° posto", &finalPlace) == 1) {
        EXPECT_EQ(place, finalPlace) << last;
    } else {
        EXPECT_EQ(last, "CAMPIONE!|Hai vinto il torneo");
        EXPECT_EQ(place, 1);
    }
    return story;
}

// At the close of each of his tables, the banner's words (that it leaves "PROSSIMO TURNO" clear is
// a matter of the layout, checked with the table screen's other pairs).
void noteBanner(DriverProcess& d, std::vector<std::string>& banners) {
    if (d.visible("Label49")) banners.push_back(joined(d.caption("Label56")));
}

// Plays `eventName` with the random sequence advanced by `draws` at the load, and checks its
// banners against the stored place.
BannerStory playEvent(const std::string& eventName, const std::string& game, int draws) {
    std::vector<CalendarEvent> found;
    AppFolder folder;
    {
        DriverProcess reader(VELMORA_DRIVER, folder.path());
        reader.run("load");
        found = calendarEvents(reader, "torneo='" + sqlText(eventName) + "'");
    }
    EXPECT_EQ(found.size(), 1u) << eventName;
    if (found.empty()) return {};
    const CalendarEvent& event = found.front();
    WorldOptions world;
    world.week = event.week;
    {
        Database database(Database::connectionString(folder.path()));
        buildWorld(database, world);
        KeyValueStore(database).setNumber("nummag", draws);
    }
    DriverProcess d(VELMORA_DRIVER, folder.path());
    d.run("load");
    d.click("Label1", 1);
    d.click("Label1", 4);
    const int slot = dashboardSlot(d, event);
    EXPECT_GE(slot, 0) << "the event is not listed on the dashboard";
    if (slot < 0) return {};
    d.click("Label6", slot);
    d.click("Label39");
    EXPECT_FALSE(d.visible("Label56")) << "a banner before the first card";

    std::vector<std::string> banners;
    auto note = [&] { noteBanner(d, banners); };
    if (game == "Uno") {
        ScriptedUnoPlayer player(d);
        player.setAfterTable(note);
        player.playTournament();
    } else if (game == "Hearts") {
        ScriptedHeartsPlayer player(d);
        // His hand closes the whole round at once: the banner is up when "PROSSIMO TURNO" shows.
        player.setAfterTable([&] {
            if (d.visible("Label49")) {
                EXPECT_TRUE(d.visible("Label56"));
            }
            note();
        });
        player.playTournament();
    } else {
        ScriptedBrisoloPlayer player(d);
        player.setAfterTable(note);
        player.playTournament();
    }
    EXPECT_TRUE(d.visible("Picture7"));
    EXPECT_FALSE(d.visible("Label56")) << "a banner over the prize board";
    d.click("Label50");
    const auto rows =
        d.query("SELECT posizione FROM tornei where torneo='" + sqlText(event.name) + "' and cognome='" +
                sqlText(world.surname) + "' and nome='" + sqlText(world.firstName) + "'");
    EXPECT_EQ(rows.size(), 1u);
    if (rows.empty()) return {};
    SCOPED_TRACE(game + ", " + std::to_string(draws) + " draws, stored place " + rows.front().at(0));
    return checkBanners(banners, std::stoi(rows.front().at(0)));
}

// Plays the event from one point of the random sequence after another until the human has both
// gone through a round and gone out of one.
void expectBothOutcomes(const std::string& eventName, const std::string& game) {
    constexpr int kTries = 16;
    BannerStory seen;
    for (int k = 0; k < kTries && !(seen.wentThrough && seen.wentOut); ++k) {
        const int draws = 1009 * k;
        SCOPED_TRACE(std::to_string(draws) + " draws at the load");
        const BannerStory story = playEvent(eventName, game, draws);
        seen.wentThrough = seen.wentThrough || story.wentThrough;
        seen.wentOut = seen.wentOut || story.wentOut;
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_TRUE(seen.wentThrough) << "he never went through a round";
    EXPECT_TRUE(seen.wentOut) << "he never went out of a round";
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
