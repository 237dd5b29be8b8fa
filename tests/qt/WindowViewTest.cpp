#include "ui/qt/WindowView.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/Window.h"
#include "ui/qt/DesignScale.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <string>
#include <vector>

namespace velmora {
namespace {

using test::centreInView;
using test::clickViewAt;
using test::mouseClick;

// A small window of our own: a panel with a caption, two overlapping buttons, a combo box, a text
// box and a picture, at known twips.
class WindowViewTest : public ::testing::Test {
  protected:
    WindowViewTest() {
        test::qtApplication();
        panel = &w.add("Picture1", ControlKind::Panel);
        panel->left = 1500;
        panel->top = 3000;
        panel->width = 15000;
        panel->height = 9000;
        caption = &w.add("Label5", ControlKind::Label, panel);
        caption->left = 1500;
        caption->top = 1500;
        caption->width = 3000;
        caption->height = 600;
        caption->text = "Prossimi Eventi";
        w.addArray("Label6", 0, 1, ControlKind::Label, panel);
        for (int i = 0; i < 2; ++i) {
            Control& button = w("Label6", i);
            button.left = 6000;
            button.top = 1500;
            button.width = 3000;
            button.height = 600;
            button.clickable = true;
            button.text = i == 0 ? "sotto" : "sopra";
        }
        combo = &w.add("Combo6", ControlKind::Combo, panel);
        combo->left = 1500;
        combo->top = 3000;
        combo->width = 3000;
        combo->height = 450;
        combo->items = {"1", "2", "3"};
        combo->text = "1";
        combo->listIndex = 0;
        text = &w.add("Text2", ControlKind::TextBox, panel);
        text->left = 6000;
        text->top = 3000;
        text->width = 4500;
        text->height = 450;
        w.onClick("Label6", [this](int i) { clicks.push_back(i); });
        w.onClick("Combo6", [this](int) { chosen.push_back(combo->text); });
        view = std::make_unique<WindowView>(w);
        view->resize(DesignScale::designPixels());
        view->show();
    }

    test::AppFolder folder;
    test::RealClockPlatform platform{folder.path()};
    Window w{platform};
    Control* panel = nullptr;
    Control* caption = nullptr;
    Control* combo = nullptr;
    Control* text = nullptr;
    std::vector<int> clicks;
    std::vector<std::string> chosen;
    std::unique_ptr<WindowView> view;
};

TEST_F(WindowViewTest, PlacesControlsOnTheirPanelsAndScalesWithTheWindow) {
    // At the design size a pixel is 15 twips; positions are relative to the panel.
    QWidget* label = view->widgetOf("Label5");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(view->widgetOf("Picture1"), label->parentWidget());
    EXPECT_EQ(label->geometry(), QRect(100, 100, 200, 40));

    view->resize(955, 520);
    QApplication::processEvents();
    EXPECT_EQ(label->geometry(), QRect(50, 50, 100, 20));
    EXPECT_EQ(view->widgetOf("Picture1")->geometry(), QRect(50, 100, 500, 300));

    // A window taller than the design keeps the proportions: the design is centred with a border.
    view->resize(1910, 1540);
    QApplication::processEvents();
    const QRect stage = view->scale().stage();
    EXPECT_EQ(stage.width(), 1910);
    EXPECT_NEAR(stage.height(), 1040, 1);
    EXPECT_NEAR(stage.top(), 250, 1);
    EXPECT_EQ(label->mapTo(view.get(), QPoint(0, 0)), QPoint(200, stage.top() + 300));
}

TEST_F(WindowViewTest, ControlsThatMoveOrHideFollowTheModelAfterASync) {
    QWidget* label = view->widgetOf("Label5");
    caption->left = 3000;
    caption->width = 1500;
    view->sync();
    EXPECT_EQ(label->geometry(), QRect(200, 100, 100, 40));

    EXPECT_TRUE(label->isVisibleTo(view.get()));
    panel->visible = false; // a hidden panel hides everything on it
    view->sync();
    EXPECT_FALSE(label->isVisibleTo(view.get()));
    panel->visible = true;
    caption->visible = false;
    view->sync();
    EXPECT_FALSE(label->isVisibleTo(view.get()));
    EXPECT_TRUE(view->widgetOf("Combo6")->isVisibleTo(view.get()));
}

TEST_F(WindowViewTest, OnlyChangedControlsAreTouchedBySync) {
    view->sync();
    EXPECT_EQ(view->lastSyncChanges(), 0);
    caption->text = "Calendario";
    view->sync();
    EXPECT_EQ(view->lastSyncChanges(), 1);
    view->sync();
    EXPECT_EQ(view->lastSyncChanges(), 0);
    panel->left = 0; // the panel moves; its children stay where they are on it
    view->sync();
    EXPECT_EQ(view->lastSyncChanges(), 1);
}

TEST_F(WindowViewTest, AClickReachesTheTopmostControlUnlessThePlayerCouldNotClick) {
    QWidget* upper = view->widgetOf("Label6", 1);
    const QPoint at = centreInView(view.get(), upper);
    EXPECT_EQ(clickViewAt(view.get(), at), upper); // created later, drawn above
    EXPECT_EQ(clicks, std::vector<int>{1});

    w.setEnabled(false);
    mouseClick(upper, upper->rect().center());
    EXPECT_EQ(clicks, std::vector<int>{1});
    w.setEnabled(true);

    w("Label6", 1).visible = false;
    view->sync();
    EXPECT_EQ(clickViewAt(view.get(), at), view->widgetOf("Label6", 0));
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));

    panel->visible = false;
    view->sync();
    mouseClick(view->widgetOf("Label6", 0), QPoint(5, 5)); // a widget on a hidden panel
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
}

TEST_F(WindowViewTest, ThePointerComingAndGoingReachesTheControlsThatWatchIt) {
    std::vector<std::string> hovers;
    w.onHover("Label6", [&](int i, bool over) { hovers.push_back(std::to_string(i) + (over ? " on" : " off")); });
    QWidget* upper = view->widgetOf("Label6", 1);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(upper, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(upper, &leave);
    // A caption nobody watches makes no event of it.
    QApplication::sendEvent(view->widgetOf("Label5"), &enter);
    EXPECT_EQ(hovers, (std::vector<std::string>{"1 on", "1 off"}));
    // While the window takes no input the pointer comes onto nothing, but leaving is still told.
    w.setEnabled(false);
    QApplication::sendEvent(upper, &enter);
    QApplication::sendEvent(upper, &leave);
    EXPECT_EQ(hovers, (std::vector<std::string>{"1 on", "1 off", "1 off"}));
}

TEST_F(WindowViewTest, ClickableControlsShowAHand) {
    EXPECT_EQ(view->widgetOf("Label6", 0)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(view->widgetOf("Label5")->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(WindowViewTest, ChoosingAnItemRunsTheComboHandlerAndARefusedChoiceIsUndone) {
    auto* box = qobject_cast<QComboBox*>(view->widgetOf("Combo6"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), "1");
    box->setFocus();
    ASSERT_EQ(view->focusWidget(), box);
    box->setCurrentIndex(2);
    emit box->activated(2);
    EXPECT_EQ(combo->text, "3");
    EXPECT_EQ(chosen, std::vector<std::string>{"3"});
    EXPECT_EQ(view->focusWidget(), view.get()) << "the arrows go back to the game once the choice is made";

    w.setEnabled(false);
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(combo->text, "3");
    EXPECT_EQ(box->currentText(), "3");
    EXPECT_EQ(chosen.size(), 1u);
    w.setEnabled(true);

    // The program may set a text that is not in the list; the box still shows it.
    combo->items = {"Mondo", "Europa"};
    combo->text = "Italia";
    combo->listIndex = -1;
    view->sync();
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentIndex(), -1);
    EXPECT_EQ(box->placeholderText(), "Italia");
}

TEST_F(WindowViewTest, TypingGoesIntoTheTextBoxControl) {
    auto* edit = qobject_cast<QLineEdit*>(view->widgetOf("Text2"));
    ASSERT_NE(edit, nullptr);
    for (QChar letter : QString::fromUtf8("D'Aè")) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(edit, &key);
    }
    EXPECT_EQ(text->text, "D'Aè");

    // The program clears it: the box follows.
    text->text.clear();
    view->sync();
    EXPECT_EQ(edit->text(), "");

    w.setEnabled(false);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(edit, &key);
    EXPECT_EQ(text->text, "");
    EXPECT_EQ(edit->text(), "");
}

TEST_F(WindowViewTest, TheGamesKeysGoToTheModelAndTooltipsToTheWidgets) {
    std::vector<std::string> keys;
    w.onKey("Return", [] { return Window::Buttons{{"Label6", 1}}; });
    w.onKey("P", [] { return Window::Buttons{{"Label6", 0}}; });
    w.onKeyAction("Left", [&] {
        keys.push_back("Left");
        return true;
    });
    w.onKeyAction("F1", [&] {
        keys.push_back("F1");
        return true;
    });
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QApplication::sendEvent(view.get(), &event);
    };
    press(Qt::Key_Return);
    press(Qt::Key_P);
    press(Qt::Key_Left);
    press(Qt::Key_F1);
    // A held key repeats nothing, and Ctrl or Alt keys are the desktop's.
    press(Qt::Key_Left, Qt::NoModifier, true);
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(clicks, (std::vector<int>{1, 0}));
    EXPECT_EQ(keys, (std::vector<std::string>{"Left", "F1"}));
    EXPECT_EQ(WindowView::keyName(Qt::Key_7), "7");
    EXPECT_EQ(WindowView::keyName(Qt::Key_Tab), "");

    caption->toolTip = "Punti: punti della classifica mondiale";
    view->sync();
    EXPECT_EQ(view->widgetOf("Label5")->toolTip(), QString::fromStdString(caption->toolTip));
    caption->toolTip.clear();
    view->sync();
    EXPECT_TRUE(view->widgetOf("Label5")->toolTip().isEmpty());
}

TEST_F(WindowViewTest, ControlsAddedAfterTheViewWasBuiltAppearOnTheirPanel) {
    Control& late = w.add("Label9", ControlKind::Label, panel);
    late.left = 0;
    late.top = 0;
    late.width = 1500;
    late.height = 300;
    view->sync();
    QWidget* widget = view->widgetOf("Label9");
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), view->widgetOf("Picture1"));
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 100, 20));
}

} // namespace
} // namespace velmora
