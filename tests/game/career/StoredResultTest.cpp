// What a career stores is fixed: a new career and the weeks across the season's end leave exactly the
// tables recorded from the plain way of writing them (one statement per value, every player every
// week). Faster writing may change how the rows get there, never a stored value, its type or its row.
// Re-record the digests only for a change that is meant to change what the game stores.

#include "CareerWorld.h"

#include "career/EventEntry.h"
#include "data/Quoting.h"

#include <sqlcipher/sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

class StoredResultTest : public CareerTest {
  protected:
    // FNV-1a over every row of every table in rowid order, each cell with its stored type.
    std::string digest() {
        std::uint64_t hash = 1469598103934665603ull;
        auto mix = [&hash](const void* data, size_t size) {
            for (size_t i = 0; i < size; ++i) {
                hash ^= static_cast<const unsigned char*>(data)[i];
                hash *= 1099511628211ull;
            }
        };
        Rows tables = form->db().query(
            "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%' "
            "AND name NOT LIKE 'storico_%' ORDER BY name");
        for (int t = 0; t <= tables.last(); ++t) {
            const std::string table = tables.at(0, t).str();
            mix(table.data(), table.size() + 1);
            sqlite3_stmt* rows = nullptr;
            // The career's history and its season counter are the game's own additions, checked by
            // their own tests: the recorded digests are those of the world's tables.
            const std::string sql = "SELECT rowid, * FROM \"" + table + "\"" +
                                    (table == "temp" ? " WHERE dato <> 'stagione'" : "") + " ORDER BY rowid";
            if (sqlite3_prepare_v2(form->db().handle(), sql.c_str(), -1, &rows, nullptr) != SQLITE_OK) {
                ADD_FAILURE() << sql;
                return {};
            }
            while (sqlite3_step(rows) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                    const unsigned char type = static_cast<unsigned char>(sqlite3_column_type(rows, c));
                    mix(&type, 1);
                    // Text of a number is exact for integers; reals print with every digit.
                    if (type == SQLITE_FLOAT) {
                        char text[40];
                        std::snprintf(text, sizeof text, "%.17g", sqlite3_column_double(rows, c));
                        mix(text, std::char_traits<char>::length(text) + 1);
                    } else {
                        const void* bytes =
                            type == SQLITE_BLOB ? sqlite3_column_blob(rows, c) : sqlite3_column_text(rows, c);
                        const int size = sqlite3_column_bytes(rows, c);
                        mix(&size, sizeof size);
                        if (size > 0) mix(bytes, static_cast<size_t>(size));
                    }
                }
            }
            sqlite3_finalize(rows);
        }
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
        return text;
    }

    // Every index with its definition: a faster write may rebuild one, never lose or change it.
    std::set<std::string> indexes() {
        Rows rows =
            form->db().query("SELECT name, sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL");
        std::set<std::string> definitions;
        for (int r = 0; r <= rows.last(); ++r)
            definitions.insert(rows.at(0, r).str() + ": " + rows.at(1, r).str());
        return definitions;
    }

    // (surname, first name) of every player with his total, in rowid order.
    std::vector<std::pair<std::string, long long>> totals() {
        Rows rows =
            form->db().query("SELECT cognome || ' ' || nome, totalepunti FROM giocatori ORDER BY rowid");
        std::vector<std::pair<std::string, long long>> result;
        for (int r = 0; r <= rows.last(); ++r)
            result.emplace_back(rows.at(0, r).str(), rows.at(1, r).toInt());
        return result;
    }

    void nextWeek() {
        ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
        ASSERT_TRUE(platform.takeMessages().empty());
    }
};

// One scenario, checked at every step: the new career (a human whose surname has an apostrophe),
// then weeks 46 to 52 and on into the next season's weeks 1 and 2, with the human playing the
// first of week 46's tournaments himself. Along the way some players lose every point they had,
// which a write-back that skipped them would leave standing.
TEST_F(StoredResultTest, NewCareerAndWeeksAcrossTheSeasonsEndStoreTheRecordedTables) {
    struct Step {
        std::string what;
        std::string digest;
        std::string positions; // the dashboard's twelve ranking positions
    };
    const std::vector<Step> recorded = {
        {"new career", "0616dbb015811e29", "1817\n579\n16\n1408\n423\n16\n1401\n430\n14\n1380\n431\n11"},
        {"week 46", "b9feaba138f60d57", "805\n258\n9\n1423\n427\n16\n1435\n443\n15\n294\n94\n2"},
        {"week 47", "0a0b2b8e8d5449f1", "807\n257\n9\n1470\n451\n17\n1435\n443\n15\n292\n92\n2"},
        {"week 48", "a7736c59196ec9cf", "808\n259\n9\n1468\n449\n17\n1435\n443\n15\n292\n94\n2"},
        {"week 49", "a2bf18f0714ddae6", "812\n261\n9\n1470\n450\n17\n1438\n445\n15\n293\n94\n2"},
        {"week 50", "c4a2703b971cb13a", "812\n261\n9\n1470\n450\n17\n1438\n445\n15\n293\n94\n2"},
        {"week 51", "cdf7e959e56910ba", "812\n261\n9\n1470\n450\n17\n1438\n445\n15\n293\n94\n2"},
        {"week 52", "868d825e1e9a08eb", "812\n261\n9\n1470\n450\n17\n1438\n445\n15\n293\n94\n2"},
        {"week 1", "6fe885c6f25f3f16", "814\n263\n10\n1479\n450\n17\n1451\n452\n15\n292\n95\n2"},
        {"week 2", "094160a740d96e78", "811\n259\n10\n1515\n466\n17\n1454\n453\n15\n294\n96\n2"},
    };

    load();
    const std::set<std::string> shippedIndexes = indexes();
    createCareer("Anna", "D'Amico");
    ASSERT_TRUE(platform.takeMessages().empty());
    loadCareer();
    std::vector<Step> actual{{"new career", digest(), c("Label1", 15).text}};
    EXPECT_EQ(indexes(), shippedIndexes) << "after the new career";

    form->temp().setNumber("settimana", 46);
    loadCareer();
    Rows week46 =
        form->db().query("SELECT torneo FROM calendario where settimana=46 order by importanza asc ");
    ASSERT_GE(week46.rowCount(), 1);
    form->enteredEvent = week46.at(0, 0).str();
    clearEntrantTable(form->roundPlayers);
    form->roundPlayers[0][0] = Value("D'Amico");
    form->roundPlayers[0][1] = Value("Anna");
    form->roundPlayers[0][9] = Value(2);

    int fellToZero = 0;
    bool humanScored = false;
    for (size_t step = 1; step < recorded.size(); ++step) {
        const auto before = totals();
        const std::string what = "week " + std::to_string(form->currentWeek);
        nextWeek();
        const auto after = totals();
        ASSERT_EQ(after.size(), before.size()) << what;
        for (size_t r = 0; r < after.size(); ++r) {
            if (before[r].second > 0 && after[r].second == 0) ++fellToZero;
            if (after[r].first == "D'Amico Anna" && after[r].second > 0) humanScored = true;
        }
        actual.push_back({what, digest(), c("Label1", 15).text});
        if (step == 1) {
            form->temp().setText("evento", "0");
            loadCareer();
        }
    }
    EXPECT_EQ(form->currentWeek, 3);
    EXPECT_EQ(indexes(), shippedIndexes) << "after the weeks";
    // The run must hold the cases a wrong shortcut would get wrong.
    EXPECT_GT(fellToZero, 0) << "nobody's points fell to zero";
    EXPECT_TRUE(humanScored);

    for (size_t i = 0; i < recorded.size(); ++i) {
        EXPECT_EQ(actual[i].what, recorded[i].what);
        EXPECT_EQ(actual[i].digest, recorded[i].digest) << actual[i].what;
        EXPECT_EQ(actual[i].positions, recorded[i].positions) << actual[i].what;
    }
}

} // namespace
} // namespace velmora::test
