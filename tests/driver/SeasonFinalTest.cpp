// The Uno season final and an early exit from a big field, played through velmora-driver as a player
// would. The career is written straight into the database (a world in which the human is among the
// eight best of Uno, at the week of the final), opened from the title menu and played card by card.
// The final is not entered by the player: the dashboard enters him because of his ranking. Its places
// at the table (first, second and the two beaten finalists sharing third), the prize board, the money
// and the stored results must all tell the same story.

#include "CareerQueries.h"
#include "DriverProcess.h"
#include "PrizeBoard.h"
#include "ScriptedUnoPlayer.h"

#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr long kStartMoney = 20000;
constexpr int kFinalWeek = 50;
constexpr int kFinalEntrants = 8;
// The computer players hold 0..3000 points in every game: with more the human is surely among the
// eight best of Uno.
constexpr int kQualifyingPoints = 4000;
const std::string kHumanSurname = "Rossi";
const std::string kHumanFirstName = "Mario";
const std::string kHumanName = kHumanSurname + " " + kHumanFirstName;

// How one played final went for the human.
struct FinalOutcome {
    bool reachedFinal = false;
    int position = 0; // his stored position
    long prize = 0;
};

std::string joined(const std::multiset<int>& values) {
    std::string text;
    for (int value : values)
        text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
}

class SeasonFinalTest : public ::testing::Test {
  protected:
    void TearDown() override {
        // The driver goes before its folder.
        player.reset();
        driver.reset();
        folder.reset();
    }

    DriverProcess& d() { return *driver; }

    // Writes a world and the career into a fresh application folder, with the stored random counter
    // that the window's load starts the game's random draws from, and opens it as the player would:
    // "Carriera", "Carica".
    void openCareer(const WorldOptions& world, double randomCounter) {
        player.reset();
        driver.reset();
        folder = std::make_unique<AppFolder>();
        {
            Database database(Database::connectionString(folder->path()));
            buildWorld(database, world);
            KeyValueStore(database).setNumber("nummag", randomCounter);
        }
        driver = std::make_unique<DriverProcess>(VELMORA_DRIVER, folder->path());
        player = std::make_unique<ScriptedUnoPlayer>(*driver);
        d().run("load");
        d().click("Label1", 1);
        d().click("Label1", 4);
        ASSERT_EQ(d().messages(), std::vector<std::string>{});
        ASSERT_TRUE(d().visible("Picture2")) << "no dashboard after \"Carica\"";
        ASSERT_EQ(d().caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(world.week));
        ASSERT_EQ(d().caption("Label1", 13), "€" + std::to_string(world.money));
    }

    // The stored results of a tournament by "surname first name".
    std::map<std::string, StoredResult> storedResults(const CalendarEvent& event) {
        std::map<std::string, StoredResult> results;
        const auto rows = d().query("SELECT cognome, nome, posizione, premio, punti, settimana FROM tornei "
                                    "where torneo='" +
                                    sqlText(event.name) + "'");
        for (const auto& row : rows) {
            const std::string name = row.at(0) + " " + row.at(1);
            EXPECT_EQ(results.count(name), 0u) << event.name << ": " << name << " stored twice";
            EXPECT_EQ(std::stoi(row.at(5)), event.week) << event.name << ": week of " << name;
            results[name] = {std::stoi(row.at(2)), number(row.at(3)), number(row.at(4))};
        }
        return results;
    }

    // Uno and overall ranking points of the named players.
    std::map<std::string, std::pair<long, long>> rankingPoints(const std::vector<PrizeBoardLine>& lines) {
        std::map<std::string, std::pair<long, long>> points;
        for (const auto& row : d().query("SELECT cognome, nome, unopunti, totalepunti FROM giocatori")) {
            const std::string name = row.at(0) + " " + row.at(1);
            for (const PrizeBoardLine& line : lines) {
                if (line.name == name) points[name] = {number(row.at(2)), number(row.at(3))};
            }
        }
        return points;
    }

    // The board lists every entrant once, places 1..entrants in order, each line with the prize and
    // points of the tier of its place, and the stored results agree with it line by line: the
    // stored position is the first place of the line's tier.
    void checkBoardAgainstStored(const CalendarEvent& event, const PrizeBoard& board,
                                 const std::map<std::string, StoredResult>& stored) {
        EXPECT_EQ(board.problems, std::vector<std::string>{});
        EXPECT_EQ(board.eventName, event.name);
        ASSERT_EQ(static_cast<int>(board.lines.size()), event.entrants) << "lines on the prize board";
        EXPECT_EQ(static_cast<int>(stored.size()), event.entrants) << "stored results of " << event.name;
        const std::vector<Tier> tiers = levelTiers(d(), event.level);
        std::set<std::string> listed;
        int mismatched = 0;
        for (size_t i = 0; i < board.lines.size(); ++i) {
            const PrizeBoardLine& line = board.lines[i];
            EXPECT_EQ(line.place, static_cast<int>(i) + 1) << "prize board line " << i;
            EXPECT_TRUE(listed.insert(line.name).second) << line.name << " listed twice";
            const Tier* tier = tierOf(tiers, line.place);
            ASSERT_NE(tier, nullptr) << "place " << line.place << " is in no tier";
            const auto found = stored.find(line.name);
            if (found == stored.end()) {
                ADD_FAILURE() << line.name << " is on the prize board but has no stored result";
                continue;
            }
            const StoredResult& result = found->second;
            if (line.prize != tier->prize || line.points != tier->points || result.prize != tier->prize ||
                result.points != tier->points || tierOf(tiers, result.position) != tier) {
                if (++mismatched <= 5)
                    ADD_FAILURE() << "board line " << line.place << ". " << line.name << " shows "
                                  << line.prize << " euro, " << line.points << " points; stored position "
                                  << result.position << ", " << result.prize << " euro, " << result.points
                                  << " points; the tier of the place pays " << tier->prize << " euro, "
                                  << tier->points << " points";
            }
        }
        EXPECT_EQ(mismatched, 0) << "board lines that disagree with their tier or the stored results";
    }

    // The stored positions of a field, one per entrant.
    std::multiset<int> storedPositions(const std::map<std::string, StoredResult>& stored) {
        std::multiset<int> positions;
        for (const auto& [name, result] : stored)
            positions.insert(result.position);
        return positions;
    }

    // Plays the week-50 final of a career opened at that week with the human among the eight best:
    // the dashboard has entered him, the table is played to the prize board and the board is closed.
    FinalOutcome playSeasonFinal(const std::string& run) {
        SCOPED_TRACE(run);
        FinalOutcome outcome;
        const auto finalWeekEvents = weekEvents(d(), kFinalWeek);
        EXPECT_EQ(finalWeekEvents.size(), 1u) << "events of the final's week";
        if (finalWeekEvents.empty()) return outcome;
        const CalendarEvent finalEvent = finalWeekEvents.front();
        EXPECT_EQ(finalEvent.game, "Uno");
        EXPECT_EQ(finalEvent.entrants, kFinalEntrants);

        // Entered by his ranking, not by the player: nothing is stored, there is nothing to enter and
        // the week cannot be skipped.
        EXPECT_EQ(storedText(d(), "evento"), "0");
        EXPECT_TRUE(d().visible("Label39")) << "no \"Gioca Torneo\" for a player among the eight best";
        EXPECT_FALSE(d().visible("Label8")) << "\"Prossima Settimana\" offered with the final to play";
        EXPECT_EQ(valueLines(d().caption("Label5", 0)).front(), finalEvent.name);
        EXPECT_FALSE(d().visible("Label6", 0)) << "an entry button for the final";
        EXPECT_TRUE(d().visible("Label7", 0)) << "the final not marked \"ISCRITTO\"";
        EXPECT_FALSE(d().visible("Label5", 1));

        const std::set<std::string> bestOfUno = eightBest(d(), "Uno");
        d().click("Label39");
        EXPECT_EQ(d().messages(), std::vector<std::string>{});
        if (!d().visible("Picture5")) {
            ADD_FAILURE() << "\"Gioca Torneo\" opened no table";
            return outcome;
        }
        EXPECT_EQ(d().caption("Label38", 20), "1° TURNO");
        EXPECT_EQ(d().property("Combo7", "items"), "1|2") << "tables of the first round";

        // The banner of his last table, as it stands at "PROSSIMO TURNO".
        std::vector<std::string> banner;
        player->setAfterTable([&] {
            if (d().visible("Label49")) banner = valueLines(d().caption("Label56"));
        });
        const UnoTournamentPlay play = player->playTournament();
        EXPECT_FALSE(play.rounds.empty());
        if (play.rounds.empty()) return outcome;
        const UnoRound& first = play.rounds.front();
        EXPECT_EQ(first.caption, "1° TURNO");
        outcome.reachedFinal = first.humanCardsLeft == 0;
        EXPECT_EQ(play.rounds.size(), outcome.reachedFinal ? 2u : 1u) << "rounds the human sat at";
        int expectedPosition = 5; // out in the first round: just below the four who went through
        std::vector<std::string> finalists;
        std::vector<int> finalistCards;
        if (outcome.reachedFinal && play.rounds.size() == 2) {
            const UnoRound& last = play.rounds.back();
            EXPECT_EQ(last.caption, "FINALE");
            EXPECT_LE(first.finishedBeforeHim, 1) << "the human went through as third";
            expectedPosition = last.humanCardsLeft != 0 ? 3 : last.finishedBeforeHim + 1;
            EXPECT_EQ(std::count(last.seatCards.begin(), last.seatCards.end(), 0), 2)
                << "hands emptied at the final table";
            // The final table is still drawn behind the prize board.
            for (int seat = 0; seat < 4; ++seat) {
                const auto lines = valueLines(d().caption("Label38", seat));
                finalists.push_back(lines.size() >= 2 ? lines[0] + " " + lines[1] : "?");
                finalistCards.push_back(std::stoi(d().caption("Label40", seat)));
            }
            EXPECT_EQ(finalists[3], kHumanName) << "the human's seat";
        }

        // It names the very place he is stored and paid for.
        const std::string at = "Chiudi il torneo al " + std::to_string(expectedPosition) + "° posto";
        using Lines = std::vector<std::string>;
        const Lines told = !outcome.reachedFinal     ? Lines{"ELIMINATO", at}
                           : expectedPosition == 1 ? Lines{"CAMPIONE!", "Hai vinto il torneo"}
                                                   : Lines{"FINALE CONCLUSA", at};
        EXPECT_EQ(banner, told);
        EXPECT_TRUE(d().visible("Picture7")) << "no prize board";
        const PrizeBoard board = readPrizeBoard(d());
        EXPECT_EQ(board.pages, std::vector<std::string>{"1"});
        const auto pointsBefore = rankingPoints(board.lines);
        const long moneyBefore = storedNumber(d(), "tuodenaro");
        EXPECT_EQ(moneyBefore, kStartMoney) << "money changed before the prize board was closed";

        d().click("Label50");
        EXPECT_EQ(d().messages(), std::vector<std::string>{});
        EXPECT_FALSE(d().visible("Picture7"));
        EXPECT_FALSE(d().visible("Picture5"));
        EXPECT_TRUE(d().visible("Picture2"));
        EXPECT_EQ(storedNumber(d(), "settimana"), kFinalWeek + 1);
        EXPECT_EQ(storedText(d(), "evento"), "0");
        EXPECT_EQ(d().caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(kFinalWeek + 1));

        const auto stored = storedResults(finalEvent);
        checkBoardAgainstStored(finalEvent, board, stored);
        if (HasFatalFailure()) return outcome;
        // The final was contested by the eight best of Uno, the very ranking that qualified him.
        std::set<std::string> entrants;
        for (const auto& [name, result] : stored)
            entrants.insert(name);
        EXPECT_EQ(entrants, bestOfUno) << "the final's entrants against the eight best of Uno";
        // The final table places 1, 2 and the two beaten finalists 3; the first round's losers share 5.
        EXPECT_EQ(joined(storedPositions(stored)), "1 2 3 3 5 5 5 5") << "stored positions of the final";

        const auto human = stored.find(kHumanName);
        if (human == stored.end()) {
            ADD_FAILURE() << "the human has no result for the final";
            return outcome;
        }
        outcome.position = human->second.position;
        EXPECT_EQ(outcome.position, expectedPosition) << "the human's stored position against his table";
        const std::vector<Tier> tiers = levelTiers(d(), finalEvent.level);
        const Tier* tier = tierOf(tiers, outcome.position);
        if (!tier) {
            ADD_FAILURE() << "position " << outcome.position << " is in no tier";
            return outcome;
        }
        outcome.prize = storedNumber(d(), "tuodenaro") - moneyBefore + finalEvent.fee;
        EXPECT_EQ(outcome.prize, tier->prize) << "prize paid for stored position " << outcome.position;
        EXPECT_EQ(storedNumber(d(), "tuodenaro"), kStartMoney - finalEvent.fee + tier->prize);
        EXPECT_EQ(d().caption("Label1", 13),
                  "€" + std::to_string(kStartMoney - finalEvent.fee + tier->prize));

        // The first four lines are the finalists in the order of their places.
        for (size_t i = 0; i < 4 && i < board.lines.size(); ++i) {
            const auto result = stored.find(board.lines[i].name);
            if (result == stored.end()) continue;
            EXPECT_EQ(result->second.position, i < 2 ? static_cast<int>(i) + 1 : 3)
                << "board line " << i + 1 << ": " << board.lines[i].name;
        }
        // When he sat at the final, its four seats are the four finalists: those who emptied their
        // hands are first and second, those still holding cards share third.
        for (size_t seat = 0; seat < finalists.size(); ++seat) {
            const auto result = stored.find(finalists[seat]);
            if (result == stored.end()) {
                ADD_FAILURE() << "finalist " << finalists[seat] << " has no stored result";
                continue;
            }
            if (finalistCards[seat] == 0)
                EXPECT_LE(result->second.position, 2) << finalists[seat] << " emptied his hand in the final";
            else
                EXPECT_EQ(result->second.position, 3) << finalists[seat] << " held cards at the final's end";
        }

        // Nobody held points from an earlier edition: each entrant gains exactly his tier's points.
        const auto pointsAfter = rankingPoints(board.lines);
        for (const auto& [name, result] : stored) {
            const Tier* entrantTier = tierOf(tiers, result.position);
            const auto before = pointsBefore.find(name);
            const auto after = pointsAfter.find(name);
            if (!entrantTier || before == pointsBefore.end() || after == pointsAfter.end()) continue;
            EXPECT_EQ(after->second.first, before->second.first + entrantTier->points)
                << name << ": Uno points";
            EXPECT_EQ(after->second.second, before->second.second + entrantTier->points)
                << name << ": overall points";
        }
        std::cout << "  " << run << ": " << play.rounds.size() << " rounds, " << play.turns << " turns, "
                  << (outcome.reachedFinal ? "final " : "out in the first round, ") << "position "
                  << outcome.position << ", prize " << outcome.prize << std::endl;
        return outcome;
    }

    WorldOptions finalsWorld() const {
        WorldOptions world;
        world.week = kFinalWeek;
        world.humanPoints = kQualifyingPoints;
        return world;
    }

    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }

    std::unique_ptr<AppFolder> folder;
    std::unique_ptr<DriverProcess> driver;
    std::unique_ptr<ScriptedUnoPlayer> player;
    const std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

TEST_F(SeasonFinalTest, PlayerAmongTheEightBestIsEnteredInTheFinalAndPaidForHisPlace) {
    openCareer(finalsWorld(), 0);
    ASSERT_FALSE(HasFatalFailure());
    // He is among the eight best of Uno in the ranking the dashboard reads.
    ASSERT_TRUE(amongEightBest(d(), "Uno", kHumanSurname, kHumanFirstName));

    playSeasonFinal("final, random counter 0");
    std::cout << "  " << d().commandCount() << " driver commands in " << seconds() << " s" << std::endl;
}

// A player entered in the final by his ranking who leaves its table keeps the entry: the dashboard
// offers "Gioca Torneo" again, never "Prossima Settimana", and the final can be started anew.
TEST_F(SeasonFinalTest, LeavingTheFinalKeepsTheEntry) {
    openCareer(finalsWorld(), 0);
    ASSERT_FALSE(HasFatalFailure());
    const std::string before = storedText(d(), "evento");
    const auto resultsBefore = d().query("SELECT count(*) FROM tornei");
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE("leaving the final, time " + std::to_string(attempt));
        d().click("Label39");
        ASSERT_TRUE(d().visible("Picture5"));
        d().click("Label42");
        d().run("advance 3000");
        d().run("answer yes");
        d().click("Label41");
        EXPECT_EQ(d().messages(),
                  std::vector<std::string>{"Sei sicuro di voler uscire? Tutti i dati del torneo "
                                           "andranno persi."});
        EXPECT_FALSE(d().visible("Picture5"));
        EXPECT_TRUE(d().visible("Label39")) << "\"Gioca Torneo\" not offered again";
        EXPECT_FALSE(d().visible("Label8")) << "\"Prossima Settimana\" offered with the final unplayed";
        EXPECT_FALSE(d().send("click Label8").ok);
        EXPECT_TRUE(d().visible("Label1", 7)) << "the dashboard's menu is back";
    }
    EXPECT_EQ(storedText(d(), "evento"), before);
    EXPECT_EQ(storedNumber(d(), "settimana"), kFinalWeek);
    EXPECT_EQ(d().query("SELECT count(*) FROM tornei"), resultsBefore)
        << "results stored for an unfinished final";
    // Started a third time, it is played to the end like any final.
    playSeasonFinal("after leaving twice");
}

// Careers differ in the stored random counter only, so each deals other hands and seats other
// tables. They are played until the human has reached the final table and finished there first,
// second and third (still holding cards) in one career each.
TEST_F(SeasonFinalTest, WinningAndLosingTheFinalAtTheTablePayTheStoredPlace) {
    constexpr int kMaxCareers = 40;
    std::vector<int> places;             // his stored position in each career
    std::map<int, int> finalTablePlaces; // careers by his stored position, when he sat at the final
    const auto seen = [&](int place) { return finalTablePlaces.count(place) > 0; };
    for (int career = 1; career <= kMaxCareers && !(seen(1) && seen(2) && seen(3)); ++career) {
        const double counter = 600.0 * career + 1;
        openCareer(finalsWorld(), counter);
        ASSERT_FALSE(HasFatalFailure());
        const FinalOutcome outcome =
            playSeasonFinal("career " + std::to_string(career) + ", random counter " +
                            std::to_string(static_cast<long>(counter)));
        if (HasFailure()) break;
        places.push_back(outcome.position);
        if (outcome.reachedFinal) ++finalTablePlaces[outcome.position];
    }
    if (!HasFailure()) {
        std::string listed;
        for (int place : places)
            listed += " " + std::to_string(place);
        for (const auto& [place, what] : std::map<int, std::string>{{1, "won no final"},
                                                                    {2, "was never second in a final"},
                                                                    {3, "was never third in a final"}}) {
            EXPECT_TRUE(seen(place)) << "the human " << what << " in " << places.size()
                                     << " careers; his stored positions:" << listed;
        }
    }
    std::cout << "  " << places.size() << " careers: at the final table " << finalTablePlaces[1] << " won, "
              << finalTablePlaces[2] << " second, " << finalTablePlaces[3] << " third; " << seconds() << " s"
              << std::endl;
}

// A player out in the first round of a 64-player event: the rest of the field is decided without
// him as soon as he presses "PROSSIMO TURNO", and he is recorded and paid as 33rd.
TEST_F(SeasonFinalTest, OutInTheFirstRoundOfSixtyFourIsRecordedAndPaidAsThirtyThird) {
    constexpr int kMaxCareers = 12;
    // The season's first Uno event of 64 players that a player may enter and that charges a fee.
    const CalendarEvent event = firstEnterableEvent("Uno", 64);
    ASSERT_FALSE(event.name.empty()) << "no Uno event of 64 players to enter";
    SCOPED_TRACE(event.name + " in week " + std::to_string(event.week));

    bool outInFirstRound = false;
    int careers = 0;
    for (int career = 1; career <= kMaxCareers && !outInFirstRound; ++career) {
        ++careers;
        WorldOptions world;
        world.week = event.week;
        openCareer(world, 500.0 * career);
        ASSERT_FALSE(HasFatalFailure());

        int slot = -1;
        for (int i = 0; i < 4 && slot < 0; ++i) {
            if (d().visible("Label5", i) && valueLines(d().caption("Label5", i)).front() == event.name)
                slot = i;
        }
        ASSERT_GE(slot, 0) << "the event is not listed on the dashboard";
        ASSERT_TRUE(d().visible("Label6", slot)) << "no entry button";
        d().click("Label6", slot);
        ASSERT_EQ(d().messages(), std::vector<std::string>{});
        EXPECT_TRUE(d().visible("Label7", slot)) << "\"ISCRITTO\" not shown";
        ASSERT_TRUE(d().visible("Label39")) << "no \"Gioca Torneo\" after the entry";
        d().click("Label39");
        ASSERT_EQ(d().messages(), std::vector<std::string>{});
        ASSERT_EQ(d().caption("Label38", 20), "1° TURNO");

        const UnoTournamentPlay play = player->playTournament();
        ASSERT_FALSE(play.rounds.empty());
        if (play.rounds.front().humanCardsLeft == 0) {
            std::cout << "  career " << career << ": through the first round, " << play.rounds.size()
                      << " rounds played" << std::endl;
            continue;
        }
        outInFirstRound = true;
        // The board opened at the "PROSSIMO TURNO" that closed his only round.
        EXPECT_EQ(play.rounds.size(), 1u) << "rounds the human sat at";
        ASSERT_TRUE(d().visible("Picture7"));
        EXPECT_FALSE(d().visible("Label49")) << "\"PROSSIMO TURNO\" still offered under the prize board";
        const PrizeBoard board = readPrizeBoard(d());
        EXPECT_EQ(board.pages, std::vector<std::string>{"1"});
        const long moneyBefore = storedNumber(d(), "tuodenaro");
        EXPECT_EQ(moneyBefore, kStartMoney) << "the fee is charged when the prize board is closed";

        d().click("Label50");
        EXPECT_EQ(d().messages(), std::vector<std::string>{});
        EXPECT_TRUE(d().visible("Picture2"));
        EXPECT_EQ(storedNumber(d(), "settimana"), event.week + 1);
        EXPECT_EQ(storedText(d(), "evento"), "0");

        const auto stored = storedResults(event);
        checkBoardAgainstStored(event, board, stored);
        ASSERT_FALSE(HasFatalFailure());
        // 32 out in his round, then 16, 8 and 4 decided without him, and the final's 1, 2, 3, 3.
        std::map<int, int> count;
        for (const auto& [name, result] : stored)
            ++count[result.position];
        EXPECT_EQ(count, (std::map<int, int>{{1, 1}, {2, 1}, {3, 2}, {5, 4}, {9, 8}, {17, 16}, {33, 32}}))
            << "stored positions of the field";

        const auto human = stored.find(kHumanName);
        ASSERT_NE(human, stored.end()) << "the human has no result";
        EXPECT_EQ(human->second.position, 33);
        const std::vector<Tier> tiers = levelTiers(d(), event.level);
        const Tier* tier = tierOf(tiers, 33);
        ASSERT_NE(tier, nullptr);
        EXPECT_EQ(tier->from, 33);
        EXPECT_EQ(tier->to, 64);
        EXPECT_EQ(human->second.prize, tier->prize);
        EXPECT_EQ(storedNumber(d(), "tuodenaro"), moneyBefore - event.fee + tier->prize)
            << "fee " << event.fee << ", prize of places 33-64 " << tier->prize;
        EXPECT_EQ(d().caption("Label1", 13), "€" + std::to_string(kStartMoney - event.fee + tier->prize));
        int humanLines = 0;
        for (const PrizeBoardLine& line : board.lines) {
            if (line.name != kHumanName) continue;
            ++humanLines;
            EXPECT_GE(line.place, 33) << "the human's place on the board";
            EXPECT_EQ(line.prize, tier->prize) << "the human's prize on the board";
        }
        EXPECT_EQ(humanLines, 1) << "the human's lines on the prize board";
        std::cout << "  career " << career << ": out in the first round, " << play.turns << " turns, place "
                  << human->second.position << ", money " << storedNumber(d(), "tuodenaro") << std::endl;
    }
    EXPECT_TRUE(outInFirstRound) << "the human went through the first round in all " << careers
                                 << " careers played";
    std::cout << "  " << careers << " careers in " << seconds() << " s" << std::endl;
}

} // namespace
} // namespace velmora::test
