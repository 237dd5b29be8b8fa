// The table's keys in the real window, sent as the desktop sends them: to whichever widget holds the
// keyboard, passing up to the window when that widget leaves them.

#include "app/Form1.h"
#include "qt/DesktopTablePlayer.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace velmora {
namespace {

// A key as the window system delivers it: to the focus widget, or the window when none has it.
void pressKey(QWidget* window, Qt::Key key, const QString& text) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// How the pace was last changed with the mouse before the player reaches for P.
enum class PaceByMouse { ItemChosen, ListClosedUnchosen };

class TableKeysInWindowTest : public ::testing::TestWithParam<PaceByMouse> {};

// P draws whenever a click on the deck would, whatever the mouse touched last.
TEST_P(TableKeysInWindowTest, PDrawsAfterThePaceWasChangedWithTheMouse) {
    test::qtApplication();
    test::AppFolder folder;
    const test::TableEvent event = test::firstEvent(folder.path(), "Uno", 64);
    test::buildCareerAt(folder.path(), event);
    ScriptedPlatform platform(folder.path());
    Form1 form(platform);
    form.Form_Load();
    WindowView view(form.window());
    view.resize(DesignScale::designPixels());
    view.show();
    view.activateWindow();
    form.window().setChangedCallback([&] { view.sync(); });
    Window& w = form.window();
    for (auto [name, index] : std::vector<std::pair<std::string, int>>{{"Label1", 1}, {"Label1", 4}})
        ASSERT_TRUE(w.click(name, index));
    int slot = 0;
    while (slot < 4 && w("Label5", slot).text.rfind(event.name, 0) != 0)
        ++slot;
    ASSERT_TRUE(w.click("Label6", slot));
    ASSERT_TRUE(w.click("Label39"));
    ASSERT_TRUE(w.click("Label42"));
    // On to his turn, where the deck offers a card.
    for (long long now = 0; now < 120000 && !w.canTouch(w("Image10", 3)); now += 50) {
        platform.setNow(now);
        w.runDueTimers(now);
    }
    ASSERT_TRUE(w.canTouch(w("Image10", 3))) << "his turn never came";

    auto* pace = static_cast<QComboBox*>(view.widgetOf("Combo12"));
    test::mouseClick(pace, pace->rect().center()); // the list opens
    ASSERT_TRUE(pace->view()->isVisible());
    test::runEventsFor(QApplication::doubleClickInterval() + 50); // a list ignores a click meanwhile
    if (GetParam() == PaceByMouse::ItemChosen) {
        QAbstractItemView* list = pace->view();
        test::mouseClick(list->viewport(), list->visualRect(list->model()->index(2, 0)).center());
        EXPECT_EQ(w("Combo12").text, "Rapida");
    } else {
        pace->hidePopup(); // a click beside the list closes it
    }
    QApplication::processEvents();
    ASSERT_FALSE(pace->view()->isVisible());

    pressKey(&view, Qt::Key_P, "p");
    EXPECT_FALSE(w("Image10", 3).visible) << "P drew nothing";
    EXPECT_TRUE(w("Label44").visible) << "no \"Passa\" after the draw";
    pressKey(&view, Qt::Key_S, "s");
    EXPECT_FALSE(w("Label44").visible) << "S did not pass";
    form.window().setChangedCallback(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Mouse, TableKeysInWindowTest,
                         ::testing::Values(PaceByMouse::ItemChosen, PaceByMouse::ListClosedUnchosen),
                         [](const auto& info) {
                             return info.param == PaceByMouse::ItemChosen ? std::string("ItemChosen")
                                                                          : std::string("ListClosedUnchosen");
                         });

} // namespace
} // namespace velmora
