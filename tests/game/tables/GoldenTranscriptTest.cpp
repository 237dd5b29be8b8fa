// Golden transcripts: one seeded round of each game, the human's table played to its end by the
// computer seats and a plain scripted player, and the background tables of the round beside it,
// written down one line per event: the timers that ticked or the player's click, then the places in
// the random sequence of the numbers it drew, every timer interval it changed, every card that
// left or reached a hand, the pile, the winner of every trick or manche and every score that
// changed on any table. The text's FNV-1a digest must equal the one stored beside the test; the
// whole text is stored too, so a mismatch names the first line that differs.
//
// A change that is meant to change play (a rule, a draw, a pace) re-records the three games:
//     VELMORA_RECORD_GOLDEN=1 build/bin/test_game --gtest_filter='EveryGame/GoldenTranscript.*'
// rewrites tests/game/tables/golden/<game>.txt and .fnv; commit them with the change and say in the
// commit message why play changed.

#include "TableRound.h"
#include "support/GameTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

constexpr int kTables = 3;
constexpr int kMaxEvents = 20000;

std::string goldenPath(const std::string& game, const std::string& ext) {
    return std::string(VELMORA_SOURCE_DIR) + "/tests/game/tables/golden/" + game + ext;
}

std::string fnv1a(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char ch : text) {
        hash ^= ch;
        hash *= 0x100000001b3ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class GoldenTranscript : public GameTest, public ::testing::WithParamInterface<std::string> {
  protected:
    GoldenTranscript() {
        form->openDatabase();
        form->db().execute("PRAGMA synchronous = OFF");
        form->currentGame = GetParam();
        form->currentWeek = 1;
        // The shuffle skips ahead by the stored counter: pin it so the shipped data cannot move play.
        form->temp().setNumber("nummag", 0);
    }

    // The sequence steps its state by one odd constant per number, so the count of numbers drawn
    // between two states is their difference times that constant's inverse (modulo 2^64).
    static long long drawsFrom(std::uint64_t before, std::uint64_t after) {
        constexpr std::uint64_t kStep = 0x9E3779B97F4A7C15ULL;
        std::uint64_t inverse = kStep;
        for (int i = 0; i < 6; ++i)
            inverse *= 2 - kStep * inverse;
        return static_cast<long long>((after - before) * inverse);
    }

    struct Snapshot {
        std::array<std::vector<std::string>, 4> hands;
        std::vector<std::vector<std::string>> rows;
        std::string pile, winner;
        std::array<int, Window::kTimers> intervals{};
        std::uint64_t random = 0;
    };
    Snapshot snapshot() {
        Snapshot s;
        for (int seat = 0; seat < 4; ++seat) {
            for (const Card& card : form->seatHand[static_cast<size_t>(seat)])
                if (!card.empty() && !card.value.isEmpty())
                    s.hands[static_cast<size_t>(seat)].push_back(card.code());
            std::sort(s.hands[static_cast<size_t>(seat)].begin(), s.hands[static_cast<size_t>(seat)].end());
        }
        for (int r = 0; r < 4 * kTables; ++r) {
            std::vector<std::string> cells;
            for (int col = entrant::kCards; col <= entrant::kLastScore; ++col)
                cells.push_back(form->tablePlayers[static_cast<size_t>(r)][static_cast<size_t>(col)].str());
            s.rows.push_back(cells);
        }
        s.pile = form->discardTop.empty() ? "" : form->discardTop.code();
        s.winner = form->trickWinner;
        for (int t = 1; t <= Window::kTimers; ++t)
            s.intervals[static_cast<size_t>(t - 1)] = form->timer(t).interval();
        s.random = form->random().state();
        return s;
    }

    // Writes one event: its heading, then the draws it took, the intervals it set and what it changed.
    void record(const std::string& heading, const Snapshot& before) {
        const Snapshot after = snapshot();
        m_text += heading + "\n";
        if (const long long drawn = drawsFrom(before.random, after.random); drawn > 0) {
            m_text += "  draws " + std::to_string(m_draws + 1) + "-" + std::to_string(m_draws + drawn) + "\n";
            m_draws += drawn;
        }
        for (int t = 0; t < Window::kTimers; ++t) {
            if (after.intervals[static_cast<size_t>(t)] != before.intervals[static_cast<size_t>(t)])
                m_text += "  timer " + std::to_string(t + 1) + " every " +
                          std::to_string(after.intervals[static_cast<size_t>(t)]) + "\n";
        }
        for (int seat = 0; seat < 4; ++seat) {
            const auto& was = before.hands[static_cast<size_t>(seat)];
            const auto& is = after.hands[static_cast<size_t>(seat)];
            std::vector<std::string> gone, came;
            std::set_difference(was.begin(), was.end(), is.begin(), is.end(), std::back_inserter(gone));
            std::set_difference(is.begin(), is.end(), was.begin(), was.end(), std::back_inserter(came));
            for (const std::string& code : gone)
                m_text += "  seat " + std::to_string(seat) + " gives " + code + "\n";
            for (const std::string& code : came)
                m_text += "  seat " + std::to_string(seat) + " takes " + code + "\n";
        }
        if (after.pile != before.pile) m_text += "  pile " + after.pile + "\n";
        if (after.winner != before.winner) m_text += "  winner seat " + after.winner + "\n";
        for (size_t r = 0; r < after.rows.size(); ++r) {
            for (size_t k = 0; k < after.rows[r].size(); ++k) {
                if (after.rows[r][k] == before.rows[r][k]) continue;
                m_text += "  row " + std::to_string(r) + " col " + std::to_string(k + entrant::kCards) + " " +
                          before.rows[r][k] + ">" + after.rows[r][k] + "\n";
            }
        }
    }

    // Plays the round: the player's move when he has one, else the next due timer ticks.
    void playRound() {
        seatRound(*form, kTables);
        form->random().setState(RandomSequence::kStart + 104729ULL);
        Snapshot before = snapshot();
        form->gameTable()->setUp();
        record("set-up", before);
        before = snapshot();
        ASSERT_TRUE(form->window().click("Label42")) << "no \"INIZIA\"";
        record("click INIZIA", before);
        for (int event = 0; event < kMaxEvents && !c("Label49").visible; ++event) {
            before = snapshot();
            const std::string move = playerMoves(*form);
            if (!move.empty()) {
                record("player " + move, before);
                continue;
            }
            const long long due = form->window().nextDue();
            ASSERT_GE(due, 0) << "nothing moves at event " << event << "\n"
                              << m_text.substr(m_text.size() > 2000 ? m_text.size() - 2000 : 0);
            std::string heading = "@" + std::to_string(due) + " tick";
            for (int t = 1; t <= Window::kTimers; ++t)
                if (form->timer(t).enabled() && form->timer(t).dueAt() == due)
                    heading += " " + std::to_string(t);
            platform.setNow(due);
            form->window().runDueTimers(due);
            record(heading, before);
        }
        ASSERT_TRUE(c("Label49").visible) << "the round did not close";
    }

    std::string m_text;
    long long m_draws = 0; // numbers drawn since the round's seed
};

TEST_P(GoldenTranscript, ASeededRoundPlaysExactlyAsRecorded) {
    playRound();
    if (HasFatalFailure()) return;
    const std::string game = GetParam();
    if (std::getenv("VELMORA_RECORD_GOLDEN")) {
        std::ofstream(goldenPath(game, ".txt"), std::ios::binary) << m_text;
        std::ofstream(goldenPath(game, ".fnv"), std::ios::binary) << fnv1a(m_text) << "\n";
        GTEST_SKIP() << "recorded " << goldenPath(game, ".txt");
    }
    std::string stored = readFile(goldenPath(game, ".fnv"));
    stored.erase(std::remove(stored.begin(), stored.end(), '\n'), stored.end());
    const std::string digest = fnv1a(m_text);
    if (digest == stored) return;
    // Tell where play left the recorded round.
    std::istringstream want(readFile(goldenPath(game, ".txt"))), got(m_text);
    std::string wanted, line;
    int number = 1;
    for (bool more = true; more; ++number) {
        more = false;
        if (std::getline(want, wanted))
            more = true;
        else
            wanted = "(the end)";
        if (std::getline(got, line))
            more = true;
        else
            line = "(the end)";
        if (wanted != line) break;
    }
    ADD_FAILURE() << game << " digest " << digest << ", recorded " << stored << "\nfirst difference at line "
                  << number << "\n  recorded: " << wanted << "\n  played:   " << line;
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GoldenTranscript, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
} // namespace velmora::test
