// Several careers in one folder, played through velmora-driver as a player would: each opened from
// the "Carica" list and moved on a week while the other keeps every byte, a new career started
// beside an existing one that is kept when the player does not want it replaced, a double click on
// "Prossima Settimana" that moves one week only, and a week brought back from its backup.

#include "CareerQueries.h"
#include "DriverProcess.h"

#include "data/CareerBackups.h"
#include "data/CareerLock.h"
#include "data/Database.h"
#include "support/AppFolder.h"
#include "support/WorldBuilder.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CareersTest : public ::testing::Test {
  protected:
    // A career of its own file in the folder, with a ready-made world at the given week.
    void makeCareer(const std::string& file, const std::string& firstName, const std::string& surname, int week) {
        const std::string path = folder.path() + "/" + file;
        if (!fs::exists(path)) fs::copy_file(folder.databasePath(), path);
        Database database(Database::connectionString(folder.path(), file));
        WorldOptions world;
        world.firstName = firstName;
        world.surname = surname;
        world.week = week;
        buildWorld(database, world);
    }
    std::string path(const std::string& file) { return folder.path() + "/" + file; }

    void start() {
        driver = std::make_unique<DriverProcess>(VELMORA_DRIVER, folder.path());
        d().run("load");
        ASSERT_EQ(d().messages(), std::vector<std::string>{});
    }
    DriverProcess& d() { return *driver; }

    // "Carriera" then "Carica" from the title menu.
    void carica() {
        if (!d().visible("Label1", 4)) d().click("Label1", 1);
        d().click("Label1", 4);
    }
    // From the dashboard back to the title menu.
    void leaveDashboard() { d().click("Label1", 7); }

    void expectDashboard(const std::string& player, int week) {
        EXPECT_TRUE(d().visible("Picture2"));
        EXPECT_FALSE(d().visible("Picture10"));
        EXPECT_EQ(d().caption("Label1", 8), player);
        EXPECT_EQ(d().caption("Label1", 14), "Prossimi Eventi Settimana " + std::to_string(week));
        EXPECT_EQ(storedNumber(d(), "settimana"), week);
    }

    AppFolder folder;
    std::unique_ptr<DriverProcess> driver;
};

TEST_F(CareersTest, EachCareerIsOpenedFromTheListAndPlayedWhileTheOtherKeepsEveryByte) {
    makeCareer("velmora.mdb", "Mario", "Rossi", 4);
    makeCareer("velmora-2.mdb", "Anna", "Bianchi", 9);
    start();

    carica();
    ASSERT_TRUE(d().visible("Picture10"));
    const std::string first = d().caption("Label59", 0);
    const std::string second = d().caption("Label59", 1);
    EXPECT_NE(first.find("Mario Rossi"), std::string::npos) << first;
    EXPECT_NE(first.find("Italia"), std::string::npos) << first;
    EXPECT_NE(first.find("€20000"), std::string::npos) << first;
    EXPECT_NE(second.find("Anna Bianchi"), std::string::npos) << second;
    EXPECT_NE(second.find(" 9 "), std::string::npos) << second;
    EXPECT_FALSE(d().visible("Label59", 2));

    struct Turn {
        int line;
        std::string player;
        int week;
        std::string other;
    };
    for (const Turn& turn : {Turn{0, "Mario Rossi", 4, "velmora-2.mdb"}, Turn{1, "Anna Bianchi", 9, "velmora.mdb"}}) {
        SCOPED_TRACE(turn.player);
        const std::string otherBefore = fileBytes(path(turn.other));
        if (!d().visible("Picture10")) carica();
        d().click("Label59", turn.line);
        expectDashboard(turn.player, turn.week);
        d().click("Label8");
        expectDashboard(turn.player, turn.week + 1);
        EXPECT_EQ(d().messages(), std::vector<std::string>{});
        EXPECT_EQ(fileBytes(path(turn.other)), otherBefore) << "the other career was changed";
        leaveDashboard();
    }
    EXPECT_EQ(CareerBackups(path("velmora.mdb")).list().front().week, 5);
    EXPECT_EQ(CareerBackups(path("velmora-2.mdb")).list().front().week, 10);

    // Past eight careers the list pages: the ninth is alone on the second page.
    for (int n = 3; n <= 9; ++n)
        fs::copy_file(path("velmora-2.mdb"), path("velmora-" + std::to_string(n) + ".mdb"));
    carica();
    EXPECT_TRUE(d().visible("Label59", 7) && !d().visible("Label74"));
    EXPECT_EQ(d().caption("Label76"), "Pagina 1 di 2");
    d().click("Label75");
    EXPECT_TRUE(d().visible("Label59", 0) && !d().visible("Label59", 1) && !d().visible("Label75"));
    EXPECT_EQ(d().caption("Label76"), "Pagina 2 di 2");
}

// "Nuova" over a career asks what the player means; each button does what it says.
TEST_F(CareersTest, NuovaOverACareerDoesWhatTheChosenButtonSays) {
    struct Answer {
        const char* button;     // the driver's answer
        const char* career;     // whose career is open afterwards
        bool beside;            // a second career file was made
        bool kept;              // the first career keeps every byte
    };
    const std::vector<Answer> answers = {
        {"1", "Luca Verdi", false, false}, // "Sostituiscila"
        {"2", "Luca Verdi", true, true},   // "Tienila e creane un'altra"
        {"3", "", false, true},            // "Annulla": the form stays, nothing is made
    };
    const std::string shipped = fileBytes(folder.databasePath());
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.button);
        fs::remove_all(folder.path() + "/backups");
        fs::remove(path("velmora-2.mdb"));
        std::ofstream(folder.databasePath(), std::ios::binary | std::ios::trunc) << shipped;
        makeCareer("velmora.mdb", "Mario", "Rossi", 4);
        start();
        const std::string before = fileBytes(folder.databasePath());

        d().click("Label1", 1);
        d().click("Label1", 3);
        d().run("type Text1 0 Luca");
        d().run("type Text1 1 Verdi");
        d().run(std::string("answer ") + answer.button);
        d().click("Label3", 0);
        EXPECT_EQ(d().messages(), std::vector<std::string>{
                                      "C'è già la carriera di Mario Rossi (settimana 4). Vuoi sostituirla con la "
                                      "nuova, oppure tenerla e iniziare la nuova accanto a lei?\\n[1] "
                                      "Sostituiscila\\n[2] Tienila e creane un'altra\\n[3] Annulla"});
        EXPECT_EQ(fs::exists(path("velmora-2.mdb")), answer.beside);
        EXPECT_EQ(fileBytes(folder.databasePath()) == before, answer.kept);
        if (answer.career[0]) {
            expectDashboard(answer.career, 1);
            // The new career's first week is kept as its season's first copy.
            const std::string made = answer.beside ? path("velmora-2.mdb") : folder.databasePath();
            const auto copies = CareerBackups(made).list();
            ASSERT_FALSE(copies.empty());
            EXPECT_EQ(copies.front().week, 1);
        } else {
            EXPECT_TRUE(d().visible("Picture1")) << "the form stays for another try";
            EXPECT_FALSE(d().visible("Picture2"));
            EXPECT_TRUE(CareerBackups(folder.databasePath()).list().empty());
        }
        driver.reset();
    }
}

// One game per career: a second driver on the same folder is refused and writes nothing, and the
// first one's week is all there.
TEST_F(CareersTest, ASecondGameOnTheSameCareerIsRefusedAndTheFirstLosesNothing) {
    makeCareer("velmora.mdb", "Mario", "Rossi", 4);
    // A new career another game is making in the folder stays; one of a game long gone goes.
    const std::string live = path(".velmora-" + std::to_string(::getpid()) + "-nuova-a1b2c3");
    const std::string gone = path(".velmora-999999999-nuova-a1b2c3");
    std::ofstream(live) << "x";
    std::ofstream(gone) << "x";
    start();
    EXPECT_TRUE(fs::exists(live));
    EXPECT_FALSE(fs::exists(gone));
    carica();
    expectDashboard("Mario Rossi", 4);
    d().click("Label8");
    expectDashboard("Mario Rossi", 5);
    const std::string played = fileBytes(folder.databasePath());

    DriverProcess second(VELMORA_DRIVER, folder.path());
    const DriverAnswer refused = second.send("load");
    EXPECT_FALSE(refused.ok);
    const auto told = second.messages();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("è già aperta in un'altra finestra di Velmora"), std::string::npos) << told[0];
    EXPECT_EQ(fileBytes(folder.databasePath()), played) << "the refused game wrote to the career";

    // The first game plays on; its weeks are all kept.
    d().click("Label8");
    expectDashboard("Mario Rossi", 6);
    EXPECT_EQ(d().messages(), std::vector<std::string>{});
    EXPECT_EQ(d().query("SELECT count(*) FROM storico_settimane")[0][0], "2");
    driver.reset();
    // Once the first game has ended, the career opens again.
    start();
    EXPECT_EQ(storedNumber(d(), "settimana"), 6);

    // The career in play stays held when a backup takes its file's place, and when "Nuova" starts
    // one beside it (the one left is free).
    carica();
    d().click("Label61", 0);
    d().run("answer yes");
    d().click("Label59", 1);
    expectDashboard("Mario Rossi", 5);
    EXPECT_TRUE(CareerLock::heldElsewhere(folder.databasePath()));
    leaveDashboard();
    if (!d().visible("Label1", 3)) d().click("Label1", 1);
    d().click("Label1", 3);
    d().run("type Text1 0 Luca");
    d().run("type Text1 1 Verdi");
    d().run("answer 2");
    d().click("Label3", 0);
    expectDashboard("Luca Verdi", 1);
    EXPECT_TRUE(CareerLock::heldElsewhere(path("velmora-2.mdb")));
    EXPECT_FALSE(CareerLock::heldElsewhere(folder.databasePath()));
}

TEST_F(CareersTest, ADoubleClickActsOnce) {
    makeCareer("velmora.mdb", "Mario", "Rossi", 5);
    start();
    // "Carriera" opens the submenu; a second click would close it again.
    d().run("doubleclick Label1 1");
    EXPECT_TRUE(d().visible("Label1", 4));
    d().click("Label1", 4);
    expectDashboard("Mario Rossi", 5);

    d().run("doubleclick Label8");
    expectDashboard("Mario Rossi", 6);
    EXPECT_EQ(d().messages(), std::vector<std::string>{});
    EXPECT_EQ(CareerBackups(folder.databasePath()).list().size(), 1u);
}

TEST_F(CareersTest, RestoringABackupGivesBackTheWeekItHolds) {
    makeCareer("velmora.mdb", "Mario", "Rossi", 3);
    makeCareer("velmora-2.mdb", "Anna", "Bianchi", 9);
    start();
    carica();
    d().click("Label59", 0);
    d().click("Label8");
    d().click("Label8");
    expectDashboard("Mario Rossi", 5);
    leaveDashboard();

    carica();
    d().click("Label61", 0);
    EXPECT_EQ(d().caption("Label59", 0).rfind(" Stagione 1, settimana 5 ", 0), 0u) << d().caption("Label59", 0);
    EXPECT_EQ(d().caption("Label59", 1).rfind(" Stagione 1, settimana 4 ", 0), 0u);
    EXPECT_FALSE(d().visible("Label59", 2));
    d().run("answer yes");
    d().click("Label59", 1);
    const auto asked = d().messages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].rfind("Sostituire la carriera di Mario Rossi (settimana 5)?", 0), 0u) << asked[0];
    expectDashboard("Mario Rossi", 4);
    // The week-5 career the player had is kept as the newest backup.
    const auto backups = CareerBackups(folder.databasePath()).list();
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_EQ(backups.front().week, 5);
}

} // namespace
} // namespace velmora::test
