// The desktop window's sounds and what its screen reader interface tells: the player the front end
// plays through, thinning and skips; roles, names and presses through Qt's accessibility.

#include "app/Form1.h"
#include "games/uno/UnoTable.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "tournament/BoardColumns.h"
#include "ui/qt/QtFrontEnd.h"
#include "ui/qt/SoundBoard.h"
#include "ui/qt/TableSpeed.h"
#include "ui/qt/WindowView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

TEST(SoundsAndReadingTest, ASkipPlaysOnlyItsOutcomeAndSpeedThinsTheCards) {
    TableSpeed speed;
    SoundBoard board("/nowhere", speed);
    std::vector<std::string> played;
    board.setPlayer([&](const std::string& file) { played.push_back(file); });
    for (const char* name : {"carta", "presa-tua"})
        board.raise(name);
    board.eventDone();
    EXPECT_EQ(played, (std::vector<std::string>{"carta1", "presa-tua"}));
    played.clear();
    for (int card = 0; card < 12; ++card)
        board.raise("carta");
    board.raise("presa");
    board.raise("eliminato");
    board.eventDone(); // the skip to the round's result
    EXPECT_EQ(played, (std::vector<std::string>{"eliminato"}));
    played.clear();
    speed.setFactor(10);
    for (int event = 0; event < 9; ++event) {
        board.raise("carta");
        board.eventDone();
    }
    EXPECT_EQ(played.size(), static_cast<size_t>(SoundBoard::kCardSoundsPerSecond));
    EXPECT_NE(played[0], played[1]) << "every card laid sounds the same";
}

// The game loaded in the shown desktop window, at its title menu.
struct ShownGame {
    bool application = (test::qtApplication(), true); // before any widget
    test::AppFolder folder;
    QtFrontEnd front;
    std::unique_ptr<Form1> form = [this] {
        front.useFolders(folder.path(), folder.path());
        auto loaded = std::make_unique<Form1>(front.platform());
        front.show(loaded->window());
        loaded->Form_Load();
        return loaded;
    }();
};

TEST(SoundsAndReadingTest, MutedTheWindowPlaysNothing) {
    ShownGame game;
    QtFrontEnd& front = game.front;
    Form1& form = *game.form;
    int played = 0;
    front.sounds()->setPlayer([&](const std::string&) { ++played; });
    ASSERT_TRUE(form.window().click("Label1", 19)); // "Opzioni"
    for (const char* sounds : {"No", "Sì"}) {
        ASSERT_TRUE(form.window().choose("Combo14", -1, sounds));
        form.currentWeek += 1;
        ASSERT_TRUE(form.window().click("Label77", 4)); // any event: "Indietro", then "Opzioni" again
        ASSERT_TRUE(form.window().click("Label1", 19));
        EXPECT_EQ(played, std::string(sounds) == "No" ? 0 : 1) << "Suoni: " << sounds;
    }
}

TEST(SoundsAndReadingTest, AScreenReaderReadsButtonsByNameAndPressesThem) {
    ShownGame game;
    QtFrontEnd& front = game.front;
    Form1& form = *game.form;
    WindowView& view = *front.view();
    QAccessibleInterface* carriera = QAccessible::queryAccessibleInterface(view.widgetOf("Label1", 1));
    ASSERT_TRUE(carriera);
    EXPECT_EQ(carriera->role(), QAccessible::Button);
    EXPECT_EQ(carriera->text(QAccessible::Name), QStringLiteral("Carriera"));
    ASSERT_TRUE(carriera->actionInterface());
    carriera->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(form.c("Label1", 3).visible) << "the press did not open the career menu";
    // The felt is no part of what is read.
    QAccessibleInterface* stage = QAccessible::queryAccessibleInterface(view.widgetOf("Label1", 1)->parentWidget());
    ASSERT_TRUE(stage);
    for (int i = 0; i < stage->childCount(); ++i)
        EXPECT_NE(stage->child(i)->object(), view.widgetOf("Image2")) << "the background is read";
    // Tab brings the focus to a button and Enter presses it; the keys stay the game's otherwise.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&view);
    QT_WARNING_POP
    view.setFocus();
    QWidget* nuova = view.widgetOf("Label1", 3);
    for (int tab = 0; tab < 40 && QApplication::focusWidget() != nuova; ++tab) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &view, &press);
    }
    ASSERT_EQ(QApplication::focusWidget(), nuova) << "Tab never reached \"Nuova\"";
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(nuova, &enter);
    EXPECT_TRUE(form.c("Picture1").visible) << "Enter on the focused \"Nuova\" did nothing";
    view.announce("Tocca a te");
    EXPECT_EQ(view.announced(), QStringLiteral("Tocca a te"));
    // What one event brings is one notification, its lines in order: a screen reader handed two
    // at once would speak only the second.
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(view.findChild<QLabel*>("velmoraStatus"));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->role(), QAccessible::Notification);
    for (const char* line : {"Rossi gioca Rosso 7", "Hai una sola carta!", "Tocca a te"})
        front.platform().announce(line);
    form.window().dispatch([] {}); // the event that brought them ends
    EXPECT_EQ(view.announced(), QStringLiteral("Rossi gioca Rosso 7. Hai una sola carta! Tocca a te"));
}

TEST(SoundsAndReadingTest, ABoardIsATableWithHeaderCellsAndItsCellsGoWhenItChangesShape) {
    ShownGame game;
    Window& w = game.form->window();
    w("Label38", BoardColumns::kScoreboardHeader).text = UnoTable::boardHeader();
    BoardColumns::alignScoreboard(w);
    w("Label38", 14).text = "Rossi Mario\nBianchi Luca\n";
    w("Label38", 15).text = "12\n40\n";
    QAccessibleInterface* board =
        QAccessible::queryAccessibleInterface(game.front.view()->widgetOf("Label38", BoardColumns::kScoreboardHeader));
    ASSERT_TRUE(board);
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Classifica del turno"));
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rowCount(), 2);
    int rank = -1;
    for (int k = 0; k < table->columnCount(); ++k)
        if (table->columnDescription(k).startsWith(QStringLiteral("Rank"))) rank = k;
    ASSERT_NE(rank, -1);
    QAccessibleInterface* cell = table->cellAt(1, rank);
    ASSERT_TRUE(cell && cell->tableCellInterface());
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("40"));
    EXPECT_EQ(cell->parent(), board);
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), QStringLiteral("Rank: posizione nella classifica mondiale"));
    // Header cells first, then the rows: what a screen reader walks.
    EXPECT_EQ(board->childCount(), 3 * table->columnCount());
    EXPECT_EQ(board->child(0)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(board->indexOfChild(cell), 2 * table->columnCount() + rank);
    // A new round's board of one line: the cells of the old shape are freed, the new ones read it.
    const QAccessible::Id old = QAccessible::uniqueId(cell);
    w("Label38", 14).text = "Verdi Anna\n";
    w("Label38", 15).text = "7\n";
    ASSERT_TRUE(table->cellAt(0, rank));
    EXPECT_EQ(QAccessible::accessibleInterface(old), nullptr) << "a cell of the old board outlived it";
    EXPECT_EQ(table->cellAt(0, rank)->text(QAccessible::Name), QStringLiteral("7"));
    EXPECT_EQ(table->cellAt(1, rank), nullptr);
}

} // namespace
} // namespace velmora
