// A career file that is not sound is refused at the window's load: empty, cut short, damaged in a
// page, locked with another password, an ordinary database, one without the game's tables, a
// folder in its place. The player reads what is wrong with which file, the file keeps every byte,
// the title menu still works, and a backup, when there is one, is offered and brought back.

#include "data/CareerBackups.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/GameTest.h"

#include <sqlcipher/sqlite3.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

const char kGamePassword[] = "qz20481736lomeri";

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A fresh database at path holding one table of its own, locked with key ("" for none).
void makeDatabase(const std::string& path, const std::string& key) {
    fs::remove(path);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    if (!key.empty()) sqlite3_key(db, key.data(), static_cast<int>(key.size()));
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE appunti (testo TEXT); INSERT INTO appunti VALUES ('x');", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

struct BadFile {
    const char* name;
    std::function<void(const std::string& path)> spoil;
    const char* says; // what the message must say is wrong
};

void PrintTo(const BadFile& bad, std::ostream* out) {
    *out << bad.name;
}

const std::vector<BadFile> kBadFiles = {
    {"empty", [](const std::string& path) { writeBytes(path, ""); }, "è vuoto"},
    {"truncated to half its pages",
     [](const std::string& path) {
         const std::string bytes = fileBytes(path);
         writeBytes(path, bytes.substr(0, bytes.size() / 2 / 4096 * 4096));
     },
     "troncato"},
    {"cut inside its first page",
     [](const std::string& path) { writeBytes(path, fileBytes(path).substr(0, 10)); }, "troncato"},
    {"bytes overwritten in a middle page",
     [](const std::string& path) {
         std::string bytes = fileBytes(path);
         const size_t at = bytes.size() / 2 / 4096 * 4096 + 500;
         bytes.replace(at, 4, "\xde\xad\xbe\xef");
         writeBytes(path, bytes);
     },
     "danneggiato"},
    {"another password", [](const std::string& path) { makeDatabase(path, "aa00000000bbbbbb"); },
     "non si apre con la password del gioco"},
    {"an ordinary database", [](const std::string& path) { makeDatabase(path, ""); }, "non è protetto"},
    {"the game's password without its tables", [](const std::string& path) { makeDatabase(path, kGamePassword); },
     "non contiene le tabelle del gioco"},
    {"a folder in its place",
     [](const std::string& path) {
         fs::remove(path);
         fs::create_directory(path);
     },
     "c'è una cartella"},
};

class CareerFileTest : public GameTest, public ::testing::WithParamInterface<BadFile> {
  protected:
    // The file's bytes, or a mark for a folder (which must stay an empty folder).
    std::string state(const std::string& path) {
        return fs::is_directory(path) ? "folder with " + std::to_string(std::distance(fs::directory_iterator(path),
                                                                                           fs::directory_iterator{}))
                                      : fileBytes(path);
    }
};

TEST_P(CareerFileTest, IsRefusedUntouchedWithItsReasonAndTheMenuStillWorks) {
    const std::string path = folder.databasePath();
    GetParam().spoil(path);
    const std::string before = state(path);

    load();
    const auto messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string& message = messages[0];
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
    for (const char* raw : {"SELECT", "sqlite", "no such", "PRAGMA", "malformed"})
        EXPECT_EQ(message.find(raw), std::string::npos) << message;
    EXPECT_FALSE(form->cnox) << "a refused career stays closed";
    EXPECT_TRUE(form->window().enabled());

    // The menus stay usable and write nothing: the career entry, the new-career form and back.
    click("Label1", 1);
    click("Label1", 4);
    platform.takeMessages();
    click("Label1", 3);
    EXPECT_TRUE(c("Picture1").visible);
    click("Label3", 1);
    EXPECT_EQ(state(path), before);
    EXPECT_FALSE(fs::exists(path + "-journal"));
}

INSTANTIATE_TEST_SUITE_P(BadCareers, CareerFileTest, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) {
                             std::string name;
                             for (char ch : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

class RefusedCareerTest : public GameTest {};

TEST_F(RefusedCareerTest, TheNewestBackupIsOfferedAndBroughtBackWithTheDamagedFileKeptApart) {
    const std::string path = folder.databasePath();
    {
        Database db(Database::connectionString(folder.path()));
        KeyValueStore(db).setNumber("settimana", 7);
    }
    ASSERT_TRUE(CareerBackups(path).keep(7));
    writeBytes(path, "");

    platform.answerNext(true);
    load();
    const auto messages = platform.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("è vuoto"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Ripristinare il backup della stagione 1, settimana 7"), std::string::npos)
        << messages[0];
    ASSERT_TRUE(form->cnox);
    EXPECT_EQ(form->temp().number("settimana"), 7);
    // The empty file the player had is put aside, in case he wants it after all, and never counted
    // among the weekly copies.
    EXPECT_EQ(CareerBackups(path).list().size(), 1u);
    const auto aside = CareerBackups(path).damagedAside();
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(fs::file_size(aside.front()), 0u);
}

TEST_F(RefusedCareerTest, AnsweredNoTheFileStaysAndANewCareerStartsBesideIt) {
    const std::string path = folder.databasePath();
    ASSERT_TRUE(CareerBackups(path).keep(3));
    writeBytes(path, "");
    platform.setShippedDatabase(std::string(VELMORA_SHARE_DIR) + "/velmora.mdb");

    platform.answerNext(false);
    load();
    ASSERT_EQ(platform.takeMessages().size(), 1u);
    EXPECT_FALSE(form->cnox);
    ASSERT_FALSE(c("Combo1", 1).items.empty()) << "the nations come from the shipped database";

    click("Label1", 1);
    click("Label1", 3);
    form->window().type("Text1", 0, "Lia");
    form->window().type("Text1", 1, "Neri");
    click("Label3", 0);
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{});
    EXPECT_TRUE(c("Picture2").visible);
    EXPECT_EQ(form->careerFile, "velmora-2.mdb");
    EXPECT_EQ(form->temp().text("tuocognome"), "Neri");
    EXPECT_EQ(fs::file_size(path), 0u);
}

} // namespace
} // namespace velmora::test
