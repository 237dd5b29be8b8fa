// The database the game ships with, velmora.mdb, read straight from the build with the game's key:
// the tables keep the column order the game reads by position, every nation can name its players,
// every week of the season is playable, and every finishing position of every event earns points and
// a prize. The builder is also run on broken seed files to make sure it refuses them.

#include <sqlcipher/sqlite3.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

const fs::path kShippedDb = fs::path(VELMORA_SHARE_DIR) / "velmora.mdb";
const fs::path kSeedDir = fs::path(VELMORA_SOURCE_DIR) / "seed";
const fs::path kBuilder = fs::path(VELMORA_SHARE_DIR).parent_path() / "tools" / "velmora-mkdb";
const fs::path kCopyScript = fs::path(VELMORA_SOURCE_DIR) / "tools" / "mkdb" / "copy_if_absent.cmake";
constexpr const char* kKey = "qz20481736lomeri";
const std::vector<std::string> kGames = {"Uno", "Hearts", "Brisolo"};
const std::set<std::string> kContinents = {"Europa",          "Asia",   "Africa", "America del Nord",
                                           "America del Sud", "Oceania"};

using Row = std::vector<std::string>;

// One connection to a database file, opened the way the game opens it: key first, then statements.
class Connection {
  public:
    explicit Connection(const fs::path& file, const char* key = kKey, int flags = SQLITE_OPEN_READONLY) {
        sqlite3_open_v2(file.c_str(), &m_db, flags, nullptr);
        if (key) sqlite3_key(m_db, key, static_cast<int>(std::string(key).size()));
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool readable() {
        return sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) ==
               SQLITE_OK;
    }

    // Every row as text (NULL reads as the empty string); a failing statement fails the test.
    std::vector<Row> rows(const std::string& sql) {
        std::vector<Row> result;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
            return result;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            Row row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                row.emplace_back(text ? text : "");
            }
            result.push_back(std::move(row));
        }
        sqlite3_finalize(statement);
        return result;
    }

    long long number(const std::string& sql) {
        const auto result = rows(sql);
        return result.empty() || result.front().empty() ? -1 : std::stoll(result.front().front());
    }

  private:
    sqlite3* m_db = nullptr;
};

long long toNumber(const std::string& text) {
    return std::stoll(text);
}

// A text as an SQL literal.
std::string sqlText(const std::string& text) {
    std::string literal = "'";
    for (char c : text)
        literal += c == '\'' ? std::string("''") : std::string(1, c);
    return literal + "'";
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh temporary folder, removed again at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "velmora-db-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& path() const { return m_path; }

  private:
    fs::path m_path;
};

class ShippedDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_db.readable()) << kShippedDb << " cannot be read with the game's key";
    }
    Connection m_db{kShippedDb};
};

// ---------------------------------------------------------------------------------------------------

TEST_F(ShippedDatabase, OnlyTheGamesKeyOpensTheFile) {
    EXPECT_FALSE(readFile(kShippedDb).starts_with("SQLite format 3")) << "the file is stored in clear";
    Connection wrongKey(kShippedDb, "qz20481736lomerj");
    EXPECT_FALSE(wrongKey.readable());
    Connection noKey(kShippedDb, nullptr);
    EXPECT_FALSE(noKey.readable());
}

TEST_F(ShippedDatabase, TablesKeepTheColumnOrderTheGameReadsByPosition) {
    const std::map<std::string, std::vector<std::string>> expected = {
        {"temp", {"dato TEXT", "dato1 NUMERIC", "dato2 TEXT"}},
        {"giocatori",
         {"cognome TEXT", "nome TEXT", "nazionalita TEXT", "eta INTEGER", "nazione TEXT", "continente TEXT",
          "uno INTEGER", "hearts INTEGER", "brisolo INTEGER", "unopunti INTEGER", "heartspunti INTEGER",
          "brisolopunti INTEGER", "totalepunti INTEGER"}},
        {"nazionalita", {"nazionalita TEXT", "nazione TEXT", "continente TEXT"}},
        {"calendario",
         {"torneo TEXT", "importanza INTEGER", "settimana INTEGER", "citta TEXT", "giocatori INTEGER",
          "categoria TEXT", "gioco TEXT", "iscrizione INTEGER", "nazione TEXT"}},
        {"punti", {"importanza INTEGER", "punti INTEGER", "da INTEGER", "a INTEGER"}},
        {"premi", {"id INTEGER", "premio INTEGER", "importanza INTEGER"}},
        {"tornei",
         {"torneo TEXT", "tipo TEXT", "cognome TEXT", "nome TEXT", "nazionalita TEXT", "posizione INTEGER",
          "punti INTEGER", "premio INTEGER", "settimana INTEGER"}},
        {"finali", {"cognome TEXT", "nome TEXT", "punti INTEGER", "numero INTEGER"}},
    };
    for (const auto& [table, columns] : expected) {
        std::vector<std::string> actual;
        for (const Row& row : m_db.rows("PRAGMA main.table_info(\"" + table + "\")"))
            actual.push_back(row[1] + " " + row[2]);
        EXPECT_EQ(actual, columns) << table;
    }
    std::vector<std::string> pools;
    for (const Row& row : m_db.rows("PRAGMA main.table_info(nazioni)"))
        pools.push_back(row[1]);
    ASSERT_EQ(pools.size(), 22u);
    EXPECT_EQ(pools[0], "nazione");
    EXPECT_EQ(pools[1], "nomecognome");
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(pools[static_cast<size_t>(i + 1)], "n" + std::to_string(i));

    // The tables the career fills start empty; the giocatori defaults give a new player no points.
    for (const char* table : {"giocatori", "tornei", "finali"}) {
        EXPECT_EQ(m_db.number(std::string("SELECT count(*) FROM ") + table), 0) << table;
    }
    for (const Row& row : m_db.rows("PRAGMA main.table_info(giocatori)")) {
        if (row[1].ends_with("punti")) {
            EXPECT_EQ(row[4], "0") << row[1];
        }
    }
}

TEST_F(ShippedDatabase, TextColumnsIgnoreLetterCaseAndLookupsAreIndexed) {
    // Work on a copy: the shipped file itself is never written by a test.
    TempDir dir;
    fs::copy_file(kShippedDb, dir.path() / "copy.mdb");
    Connection copy(dir.path() / "copy.mdb", kKey, SQLITE_OPEN_READWRITE);
    ASSERT_TRUE(copy.readable());
    ASSERT_EQ(copy.number("SELECT count(*) FROM calendario WHERE torneo = 'OPEN D''AUSTRALIA'"), 1);
    copy.rows("BEGIN");
    for (const Row& table : copy.rows("SELECT name FROM sqlite_master WHERE type = 'table'")) {
        for (const Row& column : copy.rows("PRAGMA main.table_info(\"" + table[0] + "\")")) {
            if (column[2] != "TEXT") continue;
            copy.rows("INSERT INTO \"" + table[0] + "\" (" + column[1] + ") VALUES ('Zz Case Probe')");
            EXPECT_EQ(copy.number("SELECT count(*) FROM \"" + table[0] + "\" WHERE " + column[1] +
                                  " = 'zZ CASE PROBE' AND rowid = last_insert_rowid()"),
                      1)
                << table[0] << "." << column[1] << " compares with letter case";
        }
    }
    copy.rows("ROLLBACK");

    std::set<std::string> indexed;
    for (const char* table : {"giocatori", "calendario", "tornei"}) {
        for (const Row& index : copy.rows(std::string("PRAGMA main.index_list(") + table + ")")) {
            std::string columns = table + std::string(":");
            for (const Row& column : copy.rows("PRAGMA main.index_info(\"" + index[1] + "\")"))
                columns += " " + column[2];
            indexed.insert(columns);
        }
    }
    for (const char* wanted :
         {"giocatori: cognome nome", "calendario: settimana", "calendario: torneo", "tornei: torneo",
          "tornei: cognome nome", "giocatori: continente", "giocatori: nazione"}) {
        EXPECT_TRUE(indexed.contains(wanted)) << wanted;
    }
}

TEST_F(ShippedDatabase, CareerStartsFromTheEightSettings) {
    std::map<std::string, Row> settings;
    for (Row& row : m_db.rows("SELECT dato, dato1, dato2, typeof(dato1) FROM temp")) {
        EXPECT_TRUE(settings.emplace(row[0], row).second) << row[0] << " repeated";
    }
    ASSERT_EQ(settings.size(), 8u);
    const std::map<std::string, std::pair<std::string, std::string>> expected = {
        {"nummag", {"0", ""}},         {"tuonome", {"0", ""}}, {"tuocognome", {"0", ""}},
        {"tuanazionalita", {"0", ""}}, {"tuaeta", {"0", ""}},  {"tuodenaro", {"20000", ""}},
        {"settimana", {"1", ""}},      {"evento", {"0", "0"}},
    };
    for (const auto& [key, values] : expected) {
        ASSERT_TRUE(settings.contains(key)) << key;
        EXPECT_EQ(settings[key][1], values.first) << key;
        EXPECT_EQ(settings[key][2], values.second) << key;
        EXPECT_EQ(settings[key][3], "integer") << key << ": the money and week are read as numbers";
    }
}

TEST_F(ShippedDatabase, EveryNationCanNameItsPlayers) {
    std::set<std::string> keys;
    std::map<std::string, std::string> continentOf; // nation -> continent
    for (const Row& row : m_db.rows("SELECT nazionalita, nazione, continente FROM nazionalita")) {
        EXPECT_TRUE(row[0].size() == 2 &&
                    std::all_of(row[0].begin(), row[0].end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            << "key " << row[0] << " must be a lower-case country code: it names the flag picture";
        EXPECT_TRUE(keys.insert(row[0]).second) << row[0] << " repeated";
        EXPECT_TRUE(kContinents.contains(row[2])) << row[1] << ": " << row[2];
        continentOf[row[1]] = row[2];
    }
    // 1999 players at about 31 a nation need at least 64 nations, spread over the six continents.
    EXPECT_GE(keys.size(), 64u);
    std::set<std::string> continents;
    for (const auto& [nation, continent] : continentOf)
        continents.insert(continent);
    EXPECT_EQ(continents, kContinents);

    std::map<std::string, int> surnameRows, nameRows;
    for (const Row& row :
         m_db.rows("SELECT p.*, n.nazione FROM nazioni p LEFT JOIN nazionalita n ON n.nazione = p.nazione")) {
        ASSERT_EQ(row.size(), 23u);
        EXPECT_FALSE(row[22].empty()) << row[0] << " is not in nazionalita";
        if (row[1] == "cognome")
            ++surnameRows[row[22]];
        else if (row[1] == "nome")
            ++nameRows[row[22]];
        else
            ADD_FAILURE() << row[0] << ": nomecognome " << row[1];
        std::set<std::string> distinct(row.begin() + 2, row.begin() + 22);
        EXPECT_EQ(distinct.size(), 20u) << row[0] << " " << row[1] << " repeats a name";
        EXPECT_FALSE(distinct.contains("")) << row[0] << " " << row[1] << " has an empty name";
    }
    for (const auto& [nation, continent] : continentOf) {
        EXPECT_EQ(surnameRows[nation], 1) << nation;
        EXPECT_GE(nameRows[nation], 1) << nation;
    }

    // Apostrophes and accents come back byte for byte (the game quotes the one and shows the other).
    for (const char* name :
         {"D'Angelo", "O'Brien", "N'Diaye", "Müller", "Łukasz", "Søren", "François", "José"}) {
        EXPECT_GE(
            m_db.number("SELECT count(*) FROM nazioni WHERE " + sqlText(name) +
                        " IN (n1, n2, n3, n4, n5, n6, n7, n8, n9, n10, n11, n12, n13, n14, n15, n16, n17,"
                        " n18, n19, n20)"),
            1)
            << name;
    }
}

TEST_F(ShippedDatabase, EveryNationHasAFlagToDrawFrom) {
    const fs::path flags = "/usr/share/iso-flags-svg/country-4x3";
    if (!fs::is_directory(flags)) GTEST_SKIP() << flags << " is not installed";
    for (const Row& row : m_db.rows("SELECT nazionalita FROM nazionalita")) {
        EXPECT_TRUE(fs::is_regular_file(flags / (row[0] + ".svg"))) << row[0];
    }
}

struct Event {
    std::string name;
    long long level, week, entrants, fee;
    std::string city, game, host;
};

std::vector<Event> events(Connection& db) {
    std::vector<Event> result;
    for (const Row& r : db.rows("SELECT torneo, importanza, settimana, citta, giocatori, gioco, iscrizione, "
                                "nazione FROM calendario")) {
        result.push_back(
            {r[0], toNumber(r[1]), toNumber(r[2]), toNumber(r[4]), toNumber(r[6]), r[3], r[5], r[7]});
    }
    return result;
}

TEST_F(ShippedDatabase, EveryWeekOfTheSeasonIsPlayable) {
    const std::vector<Event> season = events(m_db);
    std::set<std::string> keys;
    for (const Row& row : m_db.rows("SELECT nazionalita FROM nazionalita"))
        keys.insert(row[0]);

    std::map<long long, std::vector<const Event*>> byWeek;
    std::set<std::string> names;
    std::map<std::string, int> hosts;
    for (const Event& event : season) {
        byWeek[event.week].push_back(&event);
        EXPECT_TRUE(names.insert(event.name).second) << event.name << " used twice";
        EXPECT_NE(std::find(kGames.begin(), kGames.end(), event.game), kGames.end())
            << event.name << ": " << event.game;
        EXPECT_FALSE(event.city.empty()) << event.name;
        EXPECT_GE(event.fee, 0) << event.name;
        EXPECT_TRUE(keys.contains(event.host) || event.host == "conti" || event.host == "nazio")
            << event.name << " hosted by " << event.host;
        ++hosts[event.host];
    }
    // Names must differ even ignoring case, as the game looks them up that way.
    EXPECT_EQ(m_db.number("SELECT count(*) FROM (SELECT DISTINCT torneo FROM calendario)"),
              static_cast<long long>(season.size()));
    EXPECT_GT(hosts["conti"], 0);
    EXPECT_GT(hosts["nazio"], 0);

    std::set<long long> finalLevels;
    for (long long week = 1; week <= 52; ++week) {
        const auto& list = byWeek[week];
        if (week <= 49) {
            EXPECT_GE(list.size(), 2u) << "week " << week;
            EXPECT_LE(list.size(), 4u) << "week " << week;
            for (const Event* event : list)
                EXPECT_TRUE(event->entrants == 64 || event->entrants == 128) << event->name;
            continue;
        }
        ASSERT_EQ(list.size(), 1u) << "week " << week;
        EXPECT_EQ(list.front()->game, kGames[static_cast<size_t>(week - 50)]) << "week " << week;
        EXPECT_EQ(list.front()->entrants, 8) << list.front()->name;
        finalLevels.insert(list.front()->level);
    }
    EXPECT_EQ(byWeek.size(), 52u) << "events outside weeks 1..52";
    for (const Event& event : season) {
        if (event.week <= 49) {
            EXPECT_FALSE(finalLevels.contains(event.level)) << event.name << " shares the finals' level";
        }
    }
}

struct Tier {
    long long points, from, to;
};

TEST_F(ShippedDatabase, EveryFinishingPositionEarnsPointsAndAPrize) {
    const std::vector<Event> season = events(m_db);
    std::map<long long, long long> largest; // level -> most entrants
    for (const Event& event : season)
        largest[event.level] = std::max(largest[event.level], event.entrants);

    std::map<long long, std::vector<Tier>> tiers;
    for (const Row& r :
         m_db.rows("SELECT importanza, punti, da, a FROM punti ORDER BY importanza, punti DESC, da")) {
        tiers[toNumber(r[0])].push_back({toNumber(r[1]), toNumber(r[2]), toNumber(r[3])});
    }
    std::map<long long, std::vector<long long>> prizesById, prizesByAmount;
    for (const Row& r : m_db.rows("SELECT importanza, premio FROM premi ORDER BY importanza, id")) {
        prizesById[toNumber(r[0])].push_back(toNumber(r[1]));
    }
    for (const Row& r : m_db.rows("SELECT importanza, premio FROM premi ORDER BY importanza, premio DESC")) {
        prizesByAmount[toNumber(r[0])].push_back(toNumber(r[1]));
    }

    EXPECT_EQ(tiers.size(), largest.size()) << "every level has events and every event's level has tiers";
    for (const auto& [level, size] : largest) {
        SCOPED_TRACE("level " + std::to_string(level));
        const auto& list = tiers[level];
        ASSERT_FALSE(list.empty());
        long long next = 1;
        for (size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].from, next) << "gap or overlap at tier " << i;
            EXPECT_GE(list[i].to, list[i].from);
            if (i > 0) {
                EXPECT_LT(list[i].points, list[i - 1].points) << "points must fall at tier " << i;
            }
            next = list[i].to + 1;
        }
        EXPECT_EQ(next - 1, size) << "tiers must end with the largest event of the level";
        // Row j of the prizes pays the positions of tier j: same count, falling the same way.
        const auto& prizes = prizesById[level];
        EXPECT_EQ(prizes.size(), list.size());
        for (size_t i = 1; i < prizes.size(); ++i)
            EXPECT_LT(prizes[i], prizes[i - 1]) << "prize at tier " << i;
        EXPECT_EQ(prizesByAmount[level], prizes);
    }
}

TEST_F(ShippedDatabase, EntryFeesFitTheStartingPurse) {
    const long long purse = m_db.number("SELECT dato1 FROM temp WHERE dato = 'tuodenaro'");
    std::map<long long, std::vector<long long>> prizes;
    for (const Row& r : m_db.rows("SELECT importanza, premio FROM premi ORDER BY importanza, id")) {
        prizes[toNumber(r[0])].push_back(toNumber(r[1]));
    }
    int free = 0;
    for (const Event& event : events(m_db)) {
        const auto& list = prizes[event.level];
        ASSERT_FALSE(list.empty()) << event.name;
        if (event.fee == 0) {
            ++free;
            continue;
        }
        // A new player can enter anything, winning pays more than it costs, and losing the first round
        // of a paid event costs money.
        EXPECT_LE(event.fee, purse / 4) << event.name;
        EXPECT_GT(list.front(), 4 * event.fee) << event.name;
        EXPECT_LT(list.back(), event.fee) << event.name;
    }
    EXPECT_GT(free, 0) << "a few events should be free to enter";
}

// ---------------------------------------------------------------------------------------------------
// The builder itself, run on copies of the seed files with one fault each.

struct BuildResult {
    int exitCode;
    std::string messages;
    bool outputExists;
};

BuildResult build(const fs::path& seed, const fs::path& output) {
    const fs::path log = output.parent_path() / "build.log";
    const std::string command = "'" + kBuilder.string() + "' '" + seed.string() + "' '" + output.string() +
                                "' >'" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(log), fs::exists(output)};
}

class SeedBuilder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_regular_file(kBuilder)) << kBuilder;
        fs::copy(kSeedDir, m_seed);
    }
    // Appends lines to a seed file of the copy.
    void append(const std::string& file, const std::string& lines) {
        std::ofstream(m_seed / file, std::ios::app) << lines;
    }
    // Replaces the first occurrence of a text in a seed file of the copy.
    void replace(const std::string& file, const std::string& from, const std::string& to) {
        std::string text = readFile(m_seed / file);
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << file;
        text.replace(at, from.size(), to);
        std::ofstream(m_seed / file, std::ios::binary | std::ios::trunc) << text;
    }
    // The build must fail, say why, and leave no database behind (not even an older one).
    void expectRefused(const std::string& why) {
        std::ofstream(m_output) << "an older database";
        const BuildResult result = build(m_seed, m_output);
        EXPECT_NE(result.exitCode, 0) << result.messages;
        EXPECT_NE(result.messages.find(why), std::string::npos) << result.messages;
        EXPECT_FALSE(result.outputExists);
        EXPECT_FALSE(fs::exists(m_output.string() + ".tmp"));
    }

    TempDir m_dir;
    fs::path m_seed = m_dir.path() / "seed";
    fs::path m_output = m_dir.path() / "out" / "velmora.mdb";
};

TEST_F(SeedBuilder, BuildsTheSeedIntoAReadableDatabase) {
    fs::create_directories(m_output.parent_path());
    std::ofstream(m_output) << "an older database";
    const BuildResult result = build(m_seed, m_output);
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    Connection db(m_output);
    ASSERT_TRUE(db.readable());
    Connection shipped(kShippedDb);
    EXPECT_EQ(db.rows("SELECT * FROM calendario ORDER BY rowid"),
              shipped.rows("SELECT * FROM calendario ORDER BY rowid"));
}

TEST_F(SeedBuilder, RefusesSeasonMistakes) {
    fs::create_directories(m_output.parent_path());
    // Week 2 already holds four events.
    append("calendario.tsv", "Open di Prova\t2\t2\tRoma\t64\tOpen\tUno\t500\tit\n");
    expectRefused("week 2 has 5 events");
}

TEST_F(SeedBuilder, RefusesARepeatedEventName) {
    fs::create_directories(m_output.parent_path());
    append("calendario.tsv", "OPEN DI MILANO\t2\t3\tRoma\t64\tOpen\tUno\t500\tit\n");
    expectRefused("already used");
}

TEST_F(SeedBuilder, RefusesTiersWithAGapOrTooShortForAnEvent) {
    fs::create_directories(m_output.parent_path());
    replace("punti.tsv", "2\t45\t5\t8\n", "2\t45\t6\t8\n");
    expectRefused("no tier for position 5");
    fs::remove_all(m_seed);
    fs::copy(kSeedDir, m_seed);
    append("calendario.tsv", "Challenger Grande\t1\t3\tRoma\t128\tChallenger\tUno\t100\tit\n");
    expectRefused("level 1 stops at position 64");
}

TEST_F(SeedBuilder, RefusesNamePoolsOfAnUnknownNation) {
    fs::create_directories(m_output.parent_path());
    replace("nazioni.tsv", "Svezia\tnome", "Svevia\tnome");
    expectRefused("\"Svevia\" is not in nazionalita.tsv");
}

TEST_F(SeedBuilder, RefusesARowWithTheWrongNumberOfFields) {
    fs::create_directories(m_output.parent_path());
    append("premi.tsv", "99\t10\n");
    expectRefused("2 fields, the header has 3");
}

TEST(CareerCopy, TheGamesCopyIsWrittenOnceAndNeverReplaced) {
    if (std::system("cmake --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "cmake is not on the PATH";
    TempDir dir;
    const fs::path source = dir.path() / "share.mdb";
    const fs::path career = dir.path() / "bin" / "velmora.mdb";
    const std::string command = "cmake -DSRC='" + source.string() + "' -DDST='" + career.string() + "' -P '" +
                                kCopyScript.string() + "' >/dev/null 2>&1";
    std::ofstream(source) << "first season";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(career), "first season");

    std::ofstream(career, std::ios::trunc) << "the player's saved career";
    std::ofstream(source, std::ios::trunc) << "a rebuilt database";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(career), "the player's saved career");
    EXPECT_EQ(std::distance(fs::directory_iterator(career.parent_path()), fs::directory_iterator()), 1)
        << "nothing else is left beside the career";
}

} // namespace
