// velmora-soak [TABLES] [WIDTH HEIGHT]: a long session in the real window, for its memory.
// velmora-soak shots DIR WIDTH HEIGHT: pictures of the dashboard, the world rankings, an Uno and a
// Brisolo table as it closes and their prize boards, and a Hearts table in the middle of a hand, as
// the window shows them at that size.
// velmora-soak TABLES WIDTH HEIGHT SPEED: tables of Uno, Brisolo and Hearts in turn, each played in
// the game's own window on the desktop's real timers at the pace SPEED ("Normale", "Veloce" or
// "Rapida"), printing the wall-clock seconds each table took from "INIZIA" to the close of its round.
//
// A career is written into a fresh application folder and opened through velmora-driver with the
// window shown (offscreen) at the given size, 1366 x 768 unless told. The human then enters Uno,
// Brisolo and Hearts events week after week, in turn, and plays them card by card until he has sat at TABLES
// tables (24 unless told). After each of his tables the driver's resident memory is printed: a
// session that keeps every picture it ever drew grows from table to table, a bounded one levels off.

#include "driver/CareerQueries.h"
#include "driver/DriverProcess.h"
#include "driver/ScriptedBrisoloPlayer.h"
#include "driver/ScriptedHeartsPlayer.h"
#include "driver/ScriptedUnoPlayer.h"

#include "app/Form1.h"
#include "data/Database.h"
#include "qt/DesktopTablePlayer.h"
#include "ui/qt/QtFrontEnd.h"
#include "ui/qt/WindowView.h"
#include "support/AppFolder.h"
#include "support/OwnSettings.h"
#include "support/WorldBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

// The games the human plays in turn.
const std::vector<std::string> kGames = {"Uno", "Brisolo", "Hearts"};

constexpr int kLastWeekBeforeFinals = 49;

struct Soak {
    DriverProcess& driver;
    int tablesWanted = 0;
    int tables = 0;
    std::vector<long> residentKb;
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();

    long resident() { return std::stol(driver.value("memory")); }

    void sample(const std::string& event) {
        ++tables;
        const long kb = resident();
        residentKb.push_back(kb);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("table %3d: %7.1f MB  (%s, %.0f s)\n", tables, kb / 1024.0, event.c_str(), seconds);
        std::fflush(stdout);
    }
};

// The week's first event of the wanted game the human may enter and pay for, or -1.
int enterableSlot(const std::vector<CalendarEvent>& events, const std::string& game, long money) {
    for (int i = 0; i < static_cast<int>(events.size()) && i < 4; ++i) {
        const CalendarEvent& event = events[static_cast<size_t>(i)];
        if (event.game == game && event.host != "conti" && event.fee <= money) return i;
    }
    return -1;
}

int run(int tablesWanted, int width, int height) {
    AppFolder folder;
    {
        Database database(Database::connectionString(folder.path()));
        WorldOptions world;
        world.money = 10000000; // every entry fee of the season
        buildWorld(database, world);
    }
    DriverProcess driver(VELMORA_DRIVER, folder.path());
    driver.run("load");
    driver.click("Label1", 1);
    driver.click("Label1", 4);
    if (!driver.visible("Picture2")) throw DriverFailure("no dashboard after \"Carica\"");
    Soak soak{driver};
    soak.tablesWanted = tablesWanted;
    std::printf("loaded:     %7.1f MB\n", soak.resident() / 1024.0);
    driver.run("window " + std::to_string(width) + " " + std::to_string(height));
    std::printf("window %dx%d: %7.1f MB\n", width, height, soak.resident() / 1024.0);

    int played = 0;
    for (int week = 1; week <= kLastWeekBeforeFinals && soak.tables < tablesWanted; ++week) {
        const std::vector<CalendarEvent> events = weekEvents(driver, week);
        // The games in turn; when the week has none of the one due, the next that it has.
        int slot = -1;
        for (int k = 0; k < static_cast<int>(kGames.size()) && slot < 0; ++k) {
            const std::string game =
                kGames[static_cast<size_t>((played + k) % static_cast<int>(kGames.size()))];
            slot = enterableSlot(events, game, storedNumber(driver, "tuodenaro"));
        }
        if (slot < 0) {
            driver.click("Label8");
            continue;
        }
        const CalendarEvent& event = events[static_cast<size_t>(slot)];
        const std::string label =
            event.game + " week " + std::to_string(week) + ", " + std::to_string(event.entrants) + " players";
        driver.click("Label6", slot);
        driver.click("Label39");
        if (!driver.visible("Picture5")) throw DriverFailure("\"Gioca Torneo\" opened no table");
        if (event.game == "Uno") {
            ScriptedUnoPlayer player(driver);
            player.setAfterTable([&] { soak.sample(label); });
            player.playTournament();
        } else if (event.game == "Brisolo") {
            ScriptedBrisoloPlayer player(driver);
            player.setAfterTable([&] { soak.sample(label); });
            player.playTournament();
        } else {
            ScriptedHeartsPlayer player(driver);
            player.setAfterTable([&] { soak.sample(label); });
            player.playTournament();
        }
        driver.click("Label50"); // the prize board closes onto the next week's dashboard
        const auto messages = driver.messages();
        for (const auto& message : messages)
            std::printf("  message: %s\n", message.c_str());
        ++played;
    }
    if (soak.residentKb.size() < 2) {
        std::printf("too few tables to judge\n");
        return 1;
    }
    const size_t half = soak.residentKb.size() / 2;
    std::printf(
        "%d tables; resident memory %.1f MB after the first, %.1f MB at the middle, %.1f MB at the end\n",
        soak.tables, soak.residentKb.front() / 1024.0, soak.residentKb[half] / 1024.0,
        soak.residentKb.back() / 1024.0);
    return 0;
}

// Enters and plays the week's first event of a game, taking the player's first table as it closes
// and the prize board.
void shootEvent(DriverProcess& driver, const std::string& game, const std::string& folder, int week) {
    const std::vector<CalendarEvent> events = weekEvents(driver, week);
    const int slot = enterableSlot(events, game, storedNumber(driver, "tuodenaro"));
    if (slot < 0) throw DriverFailure("no " + game + " event in week " + std::to_string(week));
    driver.click("Label6", slot);
    driver.click("Label39");
    // The first table of the player is taken as it closes: its board full, the hand as it ended.
    bool taken = false;
    auto shootTable = [&] {
        if (!taken) driver.run("shot " + folder + "/table-" + game + ".png");
        taken = true;
    };
    if (game == "Uno") {
        ScriptedUnoPlayer player(driver);
        player.setAfterTable(shootTable);
        player.playTournament();
    } else if (game == "Brisolo") {
        ScriptedBrisoloPlayer player(driver);
        player.setAfterTable(shootTable);
        player.playTournament();
    } else {
        // Hearts is taken in the middle of the first hand, with tricks on the board.
        ScriptedHeartsPlayer player(driver);
        player.setAfterCard([&](int cards) {
            if (cards == 6) driver.run("shot " + folder + "/table-" + game + ".png");
        });
        player.playTournament();
    }
    driver.run("shot " + folder + "/prizes-" + game + ".png");
    driver.click("Label50");
}

int shots(const std::string& folder, int width, int height) {
    AppFolder app;
    {
        Database database(Database::connectionString(app.path()));
        WorldOptions world;
        world.money = 10000000;
        buildWorld(database, world);
    }
    DriverProcess driver(VELMORA_DRIVER, app.path());
    driver.run("load");
    driver.click("Label1", 1);
    driver.click("Label1", 4);
    driver.run("window " + std::to_string(width) + " " + std::to_string(height));
    driver.run("shot " + folder + "/dashboard.png");
    driver.click("Label1", 6);
    driver.run("shot " + folder + "/rankings.png");
    driver.click("Label1", 16);
    int week = 1;
    for (const std::string game : {"Uno", "Brisolo", "Hearts"}) {
        while (enterableSlot(weekEvents(driver, week), game, storedNumber(driver, "tuodenaro")) < 0) {
            driver.click("Label8");
            ++week;
        }
        shootEvent(driver, game, folder, week);
        ++week;
    }
    return 0;
}

// The pictures the README and the software centre show: a career made with "Nuova" on the shipped
// world, a Hearts table in the middle of his first hand, the dashboard after that tournament, the
// world rankings.
int readmeShots(const std::string& folder, int width, int height) {
    AppFolder app;
    DriverProcess driver(VELMORA_DRIVER, app.path());
    driver.run("load");
    if (!makeCareer(driver, "Giulia", "D'Angelo", "Italia")) throw DriverFailure("no dashboard after \"Nuova\"");
    driver.run("window " + std::to_string(width) + " " + std::to_string(height));
    int week = 1;
    int slot = -1;
    while ((slot = enterableSlot(weekEvents(driver, week), "Hearts", storedNumber(driver, "tuodenaro"))) < 0) {
        driver.click("Label8");
        ++week;
    }
    driver.click("Label6", slot);
    driver.click("Label39");
    ScriptedHeartsPlayer player(driver);
    player.setAfterCard([&](int cards) {
        if (cards == 6) driver.run("shot " + folder + "/hearts-table.png");
    });
    player.playTournament();
    driver.click("Label50");
    driver.run("shot " + folder + "/dashboard.png");
    driver.click("Label1", 6);
    driver.run("shot " + folder + "/rankings.png");
    return 0;
}

// One table of a game in the game's own window at a pace: the first event of the game with the
// most players, from a fresh career at its week. Returns the wall-clock seconds.
double paceTable(const std::string& game, const std::string& speed, int width, int height, long long& tableMs) {
    AppFolder folder;
    TableEvent event;
    for (int entrants : {128, 64, 8}) {
        try {
            event = firstEvent(folder.path(), game, entrants);
            break;
        } catch (const std::exception&) {
        }
    }
    buildCareerAt(folder.path(), event);
    QtFrontEnd front;
    front.useFolders(folder.path(), folder.path());
    Form1 form(front.platform());
    front.show(form.window());
    front.view()->resize(width, height);
    form.Form_Load();
    DesktopTablePlayer player(form);
    front.setAfterEvent([&] { player.onEvent(); });
    QElapsedTimer wall;
    wall.start();
    player.sitDown(event, speed);
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (player.roundClosed()) loop.quit();
    });
    watch.start(20);
    loop.exec();
    front.setAfterEvent(nullptr);
    tableMs = player.tableClockMs();
    return wall.elapsed() / 1000.0;
}

int paceRun(int tables, int width, int height, const std::string& speed) {
    for (int table = 0; table < tables; ++table) {
        const std::string& game = kGames[static_cast<size_t>(table) % kGames.size()];
        long long tableMs = 0;
        const double seconds = paceTable(game, speed, width, height, tableMs);
        std::printf("table %3d: %-7s at %-7s %7.1f s wall  (%.1f s on the table clock)\n", table + 1,
                    game.c_str(), speed.c_str(), seconds, tableMs / 1000.0);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace
} // namespace velmora::test

int main(int argc, char** argv) {
    // The paces the soak plays at are no choice of the player's.
    velmora::test::keepSettingsApart();
    if (argc == 5 && (std::string(argv[1]) == "shots" || std::string(argv[1]) == "readme")) {
        try {
            const auto take = std::string(argv[1]) == "shots" ? velmora::test::shots : velmora::test::readmeShots;
            return take(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "velmora-soak: %s\n", error.what());
            return 1;
        }
    }
    if (argc == 5) {
        QApplication application(argc, argv);
        try {
            return velmora::test::paceRun(std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "velmora-soak: %s\n", error.what());
            return 1;
        }
    }
    const int tables = argc > 1 ? std::atoi(argv[1]) : 24;
    const int width = argc > 3 ? std::atoi(argv[2]) : 1366;
    const int height = argc > 3 ? std::atoi(argv[3]) : 768;
    try {
        return velmora::test::run(tables, width, height);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmora-soak: %s\n", error.what());
        return 1;
    }
}
