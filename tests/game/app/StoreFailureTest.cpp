// Every failure of the store, at every point where the game writes, is told in an Italian sentence
// a player can read (never the engine's statement), and leaves the career and its backups byte for
// byte; once the cause is gone the same click works. Then the restore loop of a damaged career whose
// newest backup is damaged too, and a real full disk.
//
// Pairs tested (a point a failure cannot reach is left out: a career another window plays, or one
// missing a column, is refused at start-up and never reaches a week, the prize board or "Nuova"):
//   start-up: disk full, read-only folder, busy career, missing column, unreadable file
//   a week, the prize board, "Nuova" (replacing, and beside): disk full, read-only folder
//   a backup restored: disk full, read-only folder, busy career, missing column, unreadable file
//   a backup restored over a damaged career (put aside first): disk full, read-only folder

#include "../career/CareerWorld.h"

#include "app/CareerChoice.h"
#include "career/EventEntry.h"
#include "career/PrizeMoney.h"
#include "data/CareerBackups.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "data/StoreFaults.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

enum class Fault { DiskFull, ReadOnlyFolder, Busy, MissingColumn, Unreadable };
enum class Point { StartUp, Week, PrizeBoard, NuovaReplacing, NuovaBeside, Restore, RestoreOverDamaged };

std::string bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Drops a column of a career's players, as an older or damaged file might lack it.
void dropColumn(const std::string& path) {
    const fs::path file(path);
    Database db(Database::connectionString(file.parent_path().string(), file.filename().string()));
    db.execute("CREATE TABLE ridotta AS SELECT cognome, nome, nazionalita, eta, nazione, continente, uno, hearts, "
               "brisolo, unopunti, heartspunti, brisolopunti FROM giocatori");
    db.execute("DROP TABLE giocatori");
    db.execute("ALTER TABLE ridotta RENAME TO giocatori");
}

class StoreFailureTest : public CareerTest {
  protected:
    void SetUp() override {
        // New careers, and the title menu's lists when no career opens, start from the shipped one.
        platform.setShippedDatabase(std::string(VELMORA_SHARE_DIR) + "/velmora.mdb");
        openWorld();
    }
    void TearDown() override {
        StoreFaults::clear();
        if (m_held >= 0) ::close(m_held);
    }

    // Every file of the career folder but the pictures, with its bytes.
    std::map<std::string, std::string> careerFiles() {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            const std::string path = entry.path().string();
            if (path.find("/immagini") != std::string::npos || !entry.is_regular_file()) continue;
            files[path] = bytes(path);
        }
        return files;
    }

    // Another game holds the career at path.
    void holdElsewhere(const std::string& path) {
        m_held = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_EQ(::flock(m_held, LOCK_EX | LOCK_NB), 0) << std::strerror(errno);
    }

    // Sets the fault on the file the point reads or writes.
    void spoil(Fault fault, const std::string& path) {
        switch (fault) {
        case Fault::DiskFull:
            StoreFaults::setWrite(StoreFaults::Write::DiskFull);
            break;
        case Fault::ReadOnlyFolder:
            StoreFaults::setWrite(StoreFaults::Write::ReadOnlyFolder);
            break;
        case Fault::Busy:
            holdElsewhere(path);
            break;
        case Fault::MissingColumn:
            dropColumn(path);
            break;
        case Fault::Unreadable:
            StoreFaults::setUnreadable(path);
            break;
        }
    }

    // A second career beside the first, with one sound backup, listed for a restore.
    std::string secondCareerWithBackup() {
        const std::string second = folder.path() + "/velmora-2.mdb";
        fs::copy_file(folder.databasePath(), second);
        EXPECT_TRUE(CareerBackups(second).keep(1));
        return second;
    }

    void restoreFromTheList() {
        c("Picture10").visible = false;
        if (!c("Label1", 4).visible) click("Label1", 1);
        click("Label1", 4);
        ASSERT_TRUE(c("Picture10").visible);
        click("Label61", 1);
        platform.answerNext(true);
        form->window().click("Label59", 0);
    }

    void fillNewCareer(int button) {
        c("Picture1").visible = true;
        c("Text1", 0).text = "Anna";
        c("Text1", 1).text = "Verdi";
        platform.answerNextWith(button);
    }

    int m_held = -1;
};

// A sentence for the player: not empty, and none of the engine's words, statements or offsets.
void expectPlayersSentence(const std::string& message, const std::string& says) {
    EXPECT_NE(message.find(says), std::string::npos) << message;
    for (const char* raw : {"SELECT", "UPDATE", "INSERT", "DELETE", "temp SET", "[", "offset", "sqlite", "SQL"})
        EXPECT_EQ(message.find(raw), std::string::npos) << raw << " in: " << message;
}

struct Case {
    Point point;
    Fault fault;
    const char* says;
};

TEST_F(StoreFailureTest, EachFailureAtEachPointIsToldInItalianAndChangesNothing) {
    const std::string career = folder.databasePath();
    const std::string fullDisk = "Il disco è pieno";
    const std::string noWrite = "Non si può scrivere nella cartella";
    const std::vector<Case> cases = {
        {Point::StartUp, Fault::DiskFull, "Il disco è pieno"},
        {Point::StartUp, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella della carriera, "},
        {Point::StartUp, Fault::Busy, "è già aperta in un'altra finestra di Velmora"},
        {Point::StartUp, Fault::MissingColumn, "mancano delle colonne del gioco (giocatori.totalepunti)"},
        {Point::StartUp, Fault::Unreadable, "non si può leggere: mancano i permessi"},
        {Point::Week, Fault::DiskFull, "Il disco è pieno"},
        {Point::Week, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella della carriera, "},
        {Point::PrizeBoard, Fault::DiskFull, "Il disco è pieno"},
        {Point::PrizeBoard, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella della carriera, "},
        {Point::NuovaReplacing, Fault::DiskFull, "Il disco è pieno"},
        {Point::NuovaReplacing, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella della carriera, "},
        {Point::NuovaBeside, Fault::DiskFull, "Il disco è pieno"},
        {Point::NuovaBeside, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella"},
        {Point::Restore, Fault::DiskFull, "Il disco è pieno"},
        {Point::Restore, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella"},
        {Point::Restore, Fault::Busy, "è già aperta in un'altra finestra di Velmora"},
        {Point::Restore, Fault::MissingColumn, "danneggiato e non si può ripristinare"},
        {Point::Restore, Fault::Unreadable, "non si può leggere"},
        {Point::RestoreOverDamaged, Fault::DiskFull, "Il disco è pieno"},
        {Point::RestoreOverDamaged, Fault::ReadOnlyFolder, "Non si può scrivere nella cartella"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(::testing::Message() << "point " << static_cast<int>(test.point) << ", fault "
                                          << static_cast<int>(test.fault));
        TearDown();
        m_held = -1;
        form.reset();
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path().filename() != "immagini") fs::remove_all(entry.path());
        }
        form = std::make_unique<Form1>(platform);
        openWorld();
        platform.takeMessages();

        std::function<bool()> act;
        switch (test.point) {
        case Point::StartUp: {
            const double counter = form->temp().number("nummag");
            form.reset();
            spoil(test.fault, career);
            const auto before = careerFiles();
            form = std::make_unique<Form1>(platform);
            load();
            const auto told = platform.takeMessages();
            ASSERT_EQ(told.size(), 1u) << "said once";
            expectPlayersSentence(told.back(), test.says);
            EXPECT_EQ(careerFiles(), before);
            // The title menu is whole: its lists filled, "Carriera" and "Esci" working.
            EXPECT_EQ(c("Combo1", 0).items.size(), 77u);
            EXPECT_FALSE(c("Combo1", 1).items.empty());
            EXPECT_EQ(c("Combo6").items.size(), 52u);
            click("Label1", 1);
            EXPECT_TRUE(c("Label1", 4).visible);
            if (form->cnox) EXPECT_EQ(form->temp().number("nummag"), counter) << "the counter stays";
            continue;
        }
        case Point::Week:
            act = [this] { return form->window().dispatch([this] { form->eventEntry().Label8_Click(); }); };
            break;
        case Point::PrizeBoard:
            openPrizeBoard();
            act = [this] { return form->window().dispatch([this] { form->prizeMoney().Label50_Click(); }); };
            break;
        case Point::NuovaReplacing:
        case Point::NuovaBeside: {
            const int button = test.point == Point::NuovaReplacing ? CareerChoice::kReplace : CareerChoice::kBeside;
            act = [this, button] {
                fillNewCareer(button);
                form->window().click("Label3", 0);
                return c("Picture2").visible && !c("Picture1").visible;
            };
            break;
        }
        case Point::Restore:
        case Point::RestoreOverDamaged: {
            const std::string second = secondCareerWithBackup();
            if (test.point == Point::RestoreOverDamaged) dropColumn(second);
            spoil(test.fault, test.fault == Fault::Busy ? second : CareerBackups(second).list().front().path);
            act = [this] {
                restoreFromTheList();
                return c("Picture2").visible && form->careerFile == "velmora-2.mdb";
            };
            break;
        }
        }
        if (test.point < Point::Restore) spoil(test.fault, career);
        const auto before = careerFiles();
        EXPECT_FALSE(act()) << "the failure went unnoticed";
        const auto told = platform.takeMessages();
        ASSERT_FALSE(told.empty());
        expectPlayersSentence(told.back(), test.says);
        EXPECT_EQ(careerFiles(), before) << "a file changed";
        EXPECT_TRUE(form->window().enabled());
        // The same click works once the cause is gone (a file that is itself damaged stays so).
        if (test.fault == Fault::DiskFull || test.fault == Fault::ReadOnlyFolder) {
            StoreFaults::clear();
            c("Picture2").visible = false;
            EXPECT_TRUE(act()) << "the click does not work once the cause is gone";
            platform.takeMessages();
        }
    }
}

// The career and its newest backup both damaged, Yes at every start: the career comes back from the
// newest sound backup, and every sound backup survives every start.
TEST_F(StoreFailureTest, RestoringAtEveryStartNeverLosesASoundBackup) {
    const std::string career = folder.databasePath();
    for (int week = 0; week < 8; ++week)
        ASSERT_TRUE(form->window().dispatch([this] { form->eventEntry().Label8_Click(); }));
    ASSERT_EQ(form->temp().number("settimana"), 9);
    form.reset();
    const auto spoilPage = [](const std::string& path) {
        std::string data = bytes(path);
        const size_t at = data.size() / 2 / 4096 * 4096 + 500;
        data.replace(at, 4, "\xde\xad\xbe\xef");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
    };
    std::vector<CareerBackups::Backup> backups = CareerBackups(career).list();
    ASSERT_EQ(backups.size(), 5u);
    spoilPage(career);
    spoilPage(backups.front().path);
    std::map<std::string, std::string> sound;
    for (size_t i = 1; i < backups.size(); ++i)
        sound[backups[i].path] = bytes(backups[i].path);

    for (int start = 1; start <= 4; ++start) {
        SCOPED_TRACE(::testing::Message() << "start " << start);
        form = std::make_unique<Form1>(platform);
        platform.answerNext(true);
        load();
        const auto told = platform.takeMessages();
        if (start == 1) {
            ASSERT_EQ(told.size(), 1u);
            EXPECT_NE(told[0].find("Ripristinare il backup della stagione 1, settimana 8"), std::string::npos)
                << told[0];
        } else {
            EXPECT_TRUE(told.empty()) << told.front();
        }
        ASSERT_TRUE(form->cnox);
        EXPECT_EQ(form->temp().number("settimana"), 8) << "the newest sound backup";
        for (const auto& [path, data] : sound)
            EXPECT_TRUE(fs::exists(path) && bytes(path) == data) << path << " was lost or changed";
        EXPECT_EQ(CareerBackups(career).damagedAside().size(), 1u);
        const auto listed = CareerBackups(career).inspected();
        ASSERT_FALSE(listed.empty());
        EXPECT_FALSE(listed.front().problem.empty()) << "the damaged backup is marked";
        form.reset();
    }
}

// A real full disk (a small memory file system) under a week: the player reads the disk is full,
// and the career is byte for byte as before.
TEST_F(StoreFailureTest, ARealFullDiskStopsTheWeekAndLosesNothing) {
    const std::string mount = folder.path() + "/disco";
    fs::create_directory(mount);
    const auto size = fs::file_size(folder.databasePath());
    const std::string options = "size=" + std::to_string(size / 1024 + 256) + "k";
    if (::mount("tmpfs", mount.c_str(), "tmpfs", 0, options.c_str()) != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here: " << std::strerror(errno);
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{mount};
    struct FolderPlatform : ScriptedPlatform {
        using ScriptedPlatform::ScriptedPlatform;
        std::string careerFolder() const override { return career; }
        std::string career;
    } full(folder.path());
    full.career = mount;
    form.reset();
    fs::copy_file(folder.databasePath(), mount + "/velmora.mdb");
    {
        // The rest of the disk is taken by another file.
        std::ofstream filler(mount + "/riempitivo", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    Form1 game(full);
    game.Form_Load();
    full.takeMessages();
    ASSERT_TRUE(game.cnox);
    const std::string before = bytes(mount + "/velmora.mdb");
    EXPECT_FALSE(game.window().dispatch([&] { game.eventEntry().Label8_Click(); }));
    const auto told = full.takeMessages();
    ASSERT_EQ(told.size(), 1u);
    expectPlayersSentence(told[0], "Il disco è pieno");
    EXPECT_EQ(bytes(mount + "/velmora.mdb"), before);
    game.closeDatabase();
}

} // namespace
} // namespace velmora::test
