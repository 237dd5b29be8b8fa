#include "data/Database.h"
#include "data/DatabaseError.h"
#include "data/JetDialect.h"
#include "data/KeyValueStore.h"
#include "data/PreparedStatement.h"
#include "data/Quoting.h"
#include "data/SuspendedIndexes.h"
#include "data/Transaction.h"
#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Quoting, ApostrophesAreDoubledEverywhere) {
    EXPECT_EQ(fApici("D'Angelo"), "D''Angelo");
    EXPECT_EQ(fApici("'a''b'"), "''a''''b''");
    EXPECT_EQ(fApici("O'"), "O''");
    EXPECT_EQ(fApici("Müller"), "Müller");
}

TEST(Quoting, ReplaceFollowsItsScanRules) {
    EXPECT_EQ(Replace("xaBy", "Ab", "-", 1), "x-y");          // letter case is ignored
    EXPECT_EQ(Replace("abc", "b", "X", 4), "abc");            // start beyond the end
    EXPECT_EQ(Replace("abab", "ab", "x", 2), "abx");          // only from the start position
    EXPECT_EQ(Replace("aaa", "a", "aa", 1), "aaaaaa");        // inserted text is never scanned again
    EXPECT_EQ(Replace("abc", "", "x", 1), "abc");
}

TEST(JetDialect, TranslatesTheStatementsTheGameWrites) {
    EXPECT_EQ(translateJet("delete * from tornei "), "DELETE FROM tornei ");
    EXPECT_EQ(translateJet("delete * from tornei where torneo='x'"), "DELETE FROM tornei where torneo='x'");
    EXPECT_EQ(translateJet("SELECT top 8 * FROM giocatori  order by unopunti desc,cognome asc"),
              "SELECT * FROM giocatori  order by unopunti desc,cognome asc LIMIT 8");
    EXPECT_EQ(translateJet("SELECT * FROM temp WHERE dato= 'x' "), "SELECT * FROM temp WHERE dato= 'x' ");
}

// The scan that recognises the dialect gives what the two textbook patterns give, on the game's
// statements and on near misses; anything that is not "delete * from" or "select top N" is left alone.
TEST(JetDialect, AgreesWithThePatternsOnEveryShape) {
    const std::regex deleteStar(R"(^\s*delete\s+\*\s+from\b)", std::regex::icase);
    const std::regex selectTop(R"(^\s*select\s+top\s+(\d+)\s+)", std::regex::icase);
    auto byPatterns = [&](const std::string& statement) {
        std::string sql = std::regex_replace(statement, deleteStar, "DELETE FROM");
        std::smatch match;
        if (std::regex_search(sql, match, selectTop))
            sql = "SELECT " + match.suffix().str() + " LIMIT " + match[1].str();
        return sql;
    };
    const char* const statements[] = {
        "delete * from tornei ",
        "DELETE * FROM finali where cognome='x'and nome ='y'",
        " \t\ndelete  *\tfrom x",
        "delete * from",
        "delete * fromage",
        "delete * from_x",
        "delete *from x",
        "delete* from x",
        "delete from tornei",
        "deletex * from y",
        "delete * from(x)",
        "Delete * From tornei",
        "SELECT top 8 * FROM giocatori  order by unopunti desc",
        "select TOP 12\t*from x",
        "  select top 8  x",
        "select top 8",
        "select top 8x",
        "select top x *",
        "select topaz 8 *",
        "select top  * from x",
        "select * from x where top 8 ",
        "selecttop 8 *",
        "select\ttop\n0 *",
        "UPDATE giocatori SET a='1'",
        "",
        "   ",
        "delete",
        "select",
        "d",
        "SELECT * FROM temp WHERE dato= 'delete * from x' ",
    };
    for (const char* statement : statements) {
        EXPECT_EQ(translateJet(statement), byPatterns(statement)) << "[" << statement << "]";
        std::string sql;
        EXPECT_EQ(translateJet(statement, sql), byPatterns(statement) != statement)
            << "[" << statement << "]";
    }
}

class StoreTest : public ::testing::Test {
protected:
    test::AppFolder folder;
    Database db{Database::connectionString(folder.path())};
};

// Indexes taken away for a bulk refill come back exactly as declared, whether the refill is kept or
// undone; and a kept statement writes what the same values written into the text would.
TEST_F(StoreTest, SuspendedIndexesAndKeptStatementsLeaveTheStoreAsPlainStatementsWould) {
    const char* indexes = "SELECT group_concat(name || ':' || sql, ';') FROM (SELECT name, sql FROM "
                          "sqlite_master WHERE type='index' AND tbl_name='tornei' ORDER BY name)";
    const Value declared = db.query(indexes).at(0, 0);
    ASSERT_NE(declared.str().find("tornei_giocatore"), std::string::npos);
    for (bool kept : {false, true}) {
        {
            Transaction transaction(db);
            SuspendedIndexes suspended(db, "tornei");
            EXPECT_TRUE(db.query(indexes).at(0, 0).isEmpty());
            db.prepared("INSERT INTO tornei (torneo, cognome, punti) VALUES (?1, ?2, ?3)")
                .run({"Open", "D'Angelo", 7});
            if (kept) {
                suspended.rebuild();
                transaction.commit();
            }
        }
        EXPECT_EQ(db.query(indexes).at(0, 0), declared) << kept;
    }
    // The texts of a quoted statement and a bound one are stored alike by the columns' types.
    db.execute("UPDATE tornei SET punti='12', posizione='3' WHERE cognome='d''angelo'");
    const Value quoted = db.query("SELECT typeof(punti) || punti || typeof(posizione) FROM tornei").at(0, 0);
    db.prepared("UPDATE tornei SET punti=?1, posizione=?2 WHERE cognome=?3").run({"12", "3", "D'ANGELO"});
    EXPECT_EQ(db.query("SELECT typeof(punti) || punti || typeof(posizione) FROM tornei").at(0, 0), quoted);
    EXPECT_EQ(quoted.str(), "integer12integer");
    EXPECT_EQ(db.query("SELECT count(*) FROM tornei").at(0, 0).toInt(), 1);
}

TEST_F(StoreTest, ConnectionStringHasTheProviderFormAndPassword) {
    EXPECT_EQ(Database::connectionString("/games/velmora"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/games/velmora\\velmora.mdb;"
              "Jet OLEDB:Database Password=qz20481736lomeri");
    EXPECT_EQ(db.path(), folder.path() + "/velmora.mdb");
}

TEST_F(StoreTest, KeyValueRowsReadAndWriteWithTheGamesStatements) {
    KeyValueStore temp(db);
    EXPECT_EQ(temp.number("tuodenaro"), 20000);
    EXPECT_EQ(temp.text("evento"), "0");
    temp.setNumber("tuodenaro", 1234);
    temp.setText("evento", "Open d'Italia");
    EXPECT_EQ(temp.number("tuodenaro"), 1234);
    EXPECT_EQ(temp.text("evento"), "Open d'Italia");
    // The value is spliced quoted and stored as a number.
    Rows typed = db.query("SELECT typeof(dato1) FROM temp WHERE dato='tuodenaro'");
    EXPECT_EQ(typed.at(0, 0).str(), "integer");
    // A key without a row is never created.
    temp.setNumber("nonesiste", 5);
    EXPECT_EQ(db.query("SELECT * FROM temp").rowCount(), 8);
}

TEST_F(StoreTest, RepresentativeStatementsRunAsWritten) {
    db.insert("giocatori", {{"cognome", "D'Angelo"}, {"nome", "Ugo"}, {"nazionalita", "it"}, {"eta", 30},
                            {"nazione", "Italia"}, {"continente", "Europa"}, {"uno", 5}, {"hearts", 4},
                            {"brisolo", 3}});
    db.insert("giocatori", {{"cognome", "bianchi"}, {"nome", "Ada"}, {"nazionalita", "it"}, {"eta", 40},
                            {"nazione", "Italia"}, {"continente", "Europa"}, {"uno", 0}, {"hearts", 0},
                            {"brisolo", 0}});
    db.execute("UPDATE giocatori SET unopunti='" + std::string("120") + "'" + "WHERE cognome= '" +
               fApici("D'Angelo") + "'and nome= '" + fApici("Ugo") + "'");
    Rows found = db.query("SELECT * FROM giocatori where not uno=0 order by nome desc");
    ASSERT_EQ(found.last(), 0);
    EXPECT_EQ(found.at(0, 0).str(), "D'Angelo");
    EXPECT_EQ(found.at(9, 0).num(), 120);
    EXPECT_FALSE(found.at(9, 0).isText()); // points are stored as numbers

    // Text compares and orders without regard to letter case, as the game expects.
    EXPECT_EQ(db.query("SELECT * FROM giocatori where cognome='BIANCHI'").rowCount(), 1);
    Rows ordered = db.query("SELECT * FROM giocatori  order by cognome asc, nome asc  ");
    EXPECT_EQ(ordered.at(0, 0).str(), "bianchi");
    EXPECT_EQ(db.query("SELECT top 1 * FROM giocatori  order by unopunti desc,cognome asc").at(0, 0).str(),
              "D'Angelo");

    Rows none = db.query("SELECT * FROM calendario where  settimana=" + std::to_string(99) + " order by importanza asc ");
    EXPECT_EQ(none.last(), -1);
    EXPECT_EQ(none.at(0, 0).str(), "0");

    db.execute("delete * from giocatori where cognome='" + fApici("D'Angelo") + "'");
    EXPECT_EQ(db.query("SELECT * FROM giocatori").rowCount(), 1);
}

TEST_F(StoreTest, InjectionAttemptsAreStoredAsPlainText) {
    const std::string nasty = "x'; delete * from giocatori; --";
    db.insert("finali", {{"cognome", nasty}, {"nome", "O'Brien"}, {"punti", 1}, {"numero", 0}});
    Rows back = db.query("SELECT * FROM finali where cognome='" + fApici(nasty) + "'and nome ='" +
                         fApici("O'Brien") + "'");
    ASSERT_EQ(back.rowCount(), 1);
    EXPECT_EQ(back.at(0, 0).str(), nasty);
    db.execute("UPDATE finali SET nome='" + fApici(nasty) + "'");
    EXPECT_EQ(db.query("SELECT nome FROM finali").at(0, 0).str(), nasty);
}

TEST_F(StoreTest, FailuresCarryTheEnginesMessage) {
    try {
        db.query("SELECT * FROM nessunatabella");
        FAIL() << "expected a failure";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("nessunatabella"), std::string::npos);
    }
    EXPECT_THROW(db.execute("UPDATE giocatori SET colonna='1'"), DatabaseError);
}

TEST_F(StoreTest, RolledBackTransactionLeavesNothingBehind) {
    {
        Transaction outer(db);
        db.execute("delete * from calendario ");
        {
            Transaction inner(db);
            db.execute("UPDATE temp SET dato1='7'WHERE dato= 'settimana'");
            inner.commit();
        }
        // No commit of the outer scope: both changes go.
    }
    EXPECT_GT(db.query("SELECT * FROM calendario").rowCount(), 0);
    EXPECT_EQ(KeyValueStore(db).number("settimana"), 1);

    {
        Transaction done(db);
        db.execute("UPDATE temp SET dato1='9'WHERE dato= 'settimana'");
        done.commit();
    }
    EXPECT_EQ(KeyValueStore(db).number("settimana"), 9);
}

TEST_F(StoreTest, InjectedFailureStopsTheStatementAfterTheCount) {
    db.failAfter(1);
    EXPECT_NO_THROW(db.query("SELECT * FROM temp"));
    EXPECT_THROW(db.query("SELECT * FROM temp"), DatabaseError);
    db.failAfter(-1);
    EXPECT_NO_THROW(db.query("SELECT * FROM temp"));
}

TEST(StoreOpening, MissingFileFailsClearlyAndCreatesNothing) {
    test::AppFolder folder;
    const fs::path empty = fs::path(folder.path()) / "vuota";
    fs::create_directory(empty);
    try {
        Database db(Database::connectionString(empty.string()));
        FAIL() << "expected a failure";
    } catch (const DatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("velmora.mdb"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(empty / "velmora.mdb"));
}

TEST(StoreOpening, WrongPasswordFailsAndLeavesTheFileUntouched) {
    test::AppFolder folder;
    const std::string before = fileBytes(folder.databasePath());
    std::string connection = Database::connectionString(folder.path());
    connection.replace(connection.find("qz20481736lomeri"), 16, "aa00000000bbbbbb");
    EXPECT_THROW(Database db(connection), DatabaseError);
    EXPECT_EQ(fileBytes(folder.databasePath()), before);
}

} // namespace
} // namespace velmora
