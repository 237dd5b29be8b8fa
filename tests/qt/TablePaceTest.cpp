// The table's pace in the game's own desktop window. A seeded table of each game, played by the
// same scripted human, must end exactly as it does at the game's own pace on a virtual clock (the
// clock of the headless driver): at "Rapida" throughout, and with the pace changed mid-hand from
// "Normale" to "Veloce" to "Rapida". The same table lines (counters, cards on the table, turn marker,
// buttons) must come at the same moments of the table clock, and the round must leave the same
// entrant rows to be stored. The wall-clock seconds of each run are printed, never judged.

#include "app/Form1.h"
#include "qt/DesktopTablePlayer.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/ScriptedPlatform.h"
#include "ui/qt/QtFrontEnd.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TableSpeed.h"
#include "ui/qt/WindowView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <utility>
#include <vector>

namespace velmora {
namespace {

using test::DesktopTablePlayer;
using test::TableEvent;

constexpr int kMaxTicks = 400000;
constexpr long long kMaxWallMs = 240000;

struct TableRun {
    std::vector<std::string> transcript;
    std::vector<std::string> rows;
    double wallSeconds = 0;
};

TableRun onVirtualClock(const TableEvent& event) {
    test::AppFolder folder;
    test::buildCareerAt(folder.path(), event);
    ScriptedPlatform platform(folder.path());
    Form1 form(platform);
    DesktopTablePlayer player(form);
    form.window().setChangedCallback([&] { player.onEvent(); });
    form.Form_Load();
    player.sitDown(event);
    Window& w = form.window();
    for (int ticks = 0; !player.roundClosed(); ++ticks) {
        const long long due = w.nextDue();
        if (due < 0 || ticks > kMaxTicks)
            throw std::runtime_error("the table stopped before its round closed");
        platform.setNow(due);
        w.runDueTimers(due);
    }
    form.window().setChangedCallback(nullptr);
    return {player.transcript(), player.entrantRows(), 0};
}

// Plays in the desktop window; paces are (table ms after "INIZIA", item), the first at 0. With a
// skip, it is run the first time "Salta al risultato" is offered.
TableRun inDesktopWindow(const TableEvent& event, const std::vector<std::pair<long long, std::string>>& paces,
                         const std::function<void(QtFrontEnd&, Form1&)>& skip = {}) {
    test::AppFolder folder;
    test::buildCareerAt(folder.path(), event);
    QtFrontEnd front;
    front.useFolders(folder.path(), folder.path());
    Form1 form(front.platform());
    front.show(form.window());
    form.Form_Load();
    DesktopTablePlayer player(form);
    for (size_t k = 1; k < paces.size(); ++k)
        player.changePaceAt(paces[k].first, paces[k].second);
    front.setAfterEvent([&] { player.onEvent(); });
    if (skip) player.setOnSkipOffered([&] { skip(front, form); });
    QElapsedTimer wall;
    wall.start();
    player.sitDown(event, paces.front().second);
    QEventLoop loop;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        // A skip ends its run at the next round's "INIZIA".
        const bool nextRound = player.skipTaken() && form.c("Label42").visible;
        if (player.roundClosed() || nextRound || wall.elapsed() > kMaxWallMs) loop.quit();
    });
    watch.start(20);
    loop.exec();
    front.setAfterEvent(nullptr);
    TableRun run{player.transcript(), player.entrantRows(), wall.elapsed() / 1000.0};
    if (!player.roundClosed() && !player.skipTaken())
        throw std::runtime_error("the round did not close in time");
    return run;
}

class TablePaceTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TablePaceTest, ASeededTableEndsTheSameAtEveryPace) {
    test::qtApplication();
    test::AppFolder shipped;
    const TableEvent event = test::firstEvent(shipped.path(), GetParam(), 64);
    const TableRun ownPace = onVirtualClock(event);
    ASSERT_GT(ownPace.transcript.size(), 40u) << "the table hardly moved";
    ASSERT_EQ(ownPace.rows.size(), 64u);

    const std::vector<std::vector<std::pair<long long, std::string>>> runs = {
        {{0, "Rapida"}},
        {{0, "Normale"}, {3000, "Veloce"}, {12000, "Rapida"}},
    };
    for (const auto& paces : runs) {
        SCOPED_TRACE("starting at " + paces.front().second + ", " + std::to_string(paces.size()) + " paces");
        const TableRun run = inDesktopWindow(event, paces);
        ASSERT_EQ(run.transcript.size(), ownPace.transcript.size());
        for (size_t k = 0; k < run.transcript.size(); ++k)
            ASSERT_EQ(run.transcript[k], ownPace.transcript[k]) << "table line " << k;
        EXPECT_EQ(run.rows, ownPace.rows);
        std::cout << "  " << GetParam() << " table from " << paces.front().second << ": " << run.wallSeconds
                  << " s wall, " << run.transcript.size() << " table lines" << std::endl;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, TablePaceTest, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

// The impatient player in the window: a double click on "Salta al risultato" with the mouse, and
// "PROSSIMO TURNO" clicked the instant it shows. The round closes once, as waiting closes it.
TEST(TablePaceTest, ADoubleClickedSkipClosesTheRoundAsWaitingDoes) {
    test::qtApplication();
    test::AppFolder shipped;
    const TableEvent event = test::firstEvent(shipped.path(), "Brisolo", 64);
    const TableRun waited = onVirtualClock(event);
    bool nextRoundSeated = false;
    const TableRun skipped = inDesktopWindow(event, {{0, "Rapida"}}, [&](QtFrontEnd& front, Form1& form) {
        WindowView& view = *front.view();
        QWidget* button = view.widgetOf("Label55");
        ASSERT_TRUE(button && button->isVisibleTo(&view));
        const QPoint at = test::centreInView(&view, button);
        test::clickViewAt(&view, at);
        test::clickViewAt(&view, at); // the second click of a double click
        ASSERT_TRUE(form.c("Label49").visible) << "the round is not closed";
        EXPECT_FALSE(form.c("Label55").visible);
        const TableRun closed{{}, test::DesktopTablePlayer(form).entrantRows(), 0};
        EXPECT_EQ(closed.rows, waited.rows);
        QWidget* next = view.widgetOf("Label49");
        test::clickViewAt(&view, test::centreInView(&view, next));
        nextRoundSeated = form.c("Label42").visible;
    });
    EXPECT_TRUE(nextRoundSeated) << "\"PROSSIMO TURNO\" did not seat the next round";
    // Up to the skip the table showed what it shows when waited for.
    ASSERT_LE(skipped.transcript.size(), waited.transcript.size());
    for (size_t k = 0; k < skipped.transcript.size(); ++k)
        EXPECT_EQ(skipped.transcript[k], waited.transcript[k]) << "table line " << k;
}

TEST(TablePaceTest, ThePaceIsThePlayersOwnFromOneSessionToTheNext) {
    test::qtApplication();
    test::AppFolder folder;
    auto factor = [](QtFrontEnd& front) { return static_cast<QtPlatform&>(front.platform()).speed().factor(); };
    {
        QtFrontEnd front;
        front.useFolders(folder.path(), folder.path());
        Form1 form(front.platform());
        front.show(form.window());
        form.c("Picture5").visible = true; // the selector is on the table screen
        EXPECT_EQ(form.c("Combo12").items, (std::vector<std::string>{"Normale", "Veloce", "Rapida"}));
        ASSERT_TRUE(form.window().choose("Combo12", -1, "Normale"));
        EXPECT_EQ(factor(front), 1);
        ASSERT_TRUE(form.window().choose("Combo12", -1, "Rapida"));
        EXPECT_EQ(factor(front), 10);
    }
    // Kept in the settings of the test's own folder, never in the player's.
    const QString stored = QSettings("velmora", "velmora").fileName();
    EXPECT_TRUE(stored.startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")))) << stored.toStdString();
    QtFrontEnd front;
    front.useFolders(folder.path(), folder.path());
    Form1 form(front.platform());
    front.show(form.window());
    form.c("Picture5").visible = true;
    EXPECT_EQ(form.c("Combo12").text, "Rapida");
    EXPECT_EQ(factor(front), 10);
    ASSERT_TRUE(form.window().choose("Combo12", -1, "Veloce"));
    EXPECT_EQ(factor(front), 3);
    ASSERT_TRUE(form.window().choose("Combo12", -1, "Normale"));
}

} // namespace
} // namespace velmora
