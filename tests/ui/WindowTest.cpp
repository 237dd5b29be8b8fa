#include "ui/Window.h"
#include "ui/PicturePath.h"
#include "ui/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {
namespace {

class WindowTest : public ::testing::Test {
  protected:
    ScriptedPlatform platform{"/tmp"};
    Window w{platform};

    void advanceTo(long long now) {
        platform.setNow(now);
        w.runDueTimers(now);
    }
};

TEST_F(WindowTest, TimersTickInTimeOrderLowerNumberFirstOnTies) {
    std::vector<std::string> ticks;
    w.timer(2).setInterval(300);
    w.timer(1).setInterval(200);
    w.timer(3).setInterval(600);
    for (int n : {1, 2, 3}) {
        w.onTimer(n, [&, n] { ticks.push_back(std::to_string(n) + "@" + std::to_string(w.now())); });
        w.timer(n).setEnabled(true);
    }
    advanceTo(600);
    EXPECT_EQ(ticks, (std::vector<std::string>{"1@200", "2@300", "1@400", "1@600", "2@600", "3@600"}));
}

TEST_F(WindowTest, ReenablingOrChangingTheIntervalRestartsTheCount) {
    int ticks = 0;
    w.onTimer(4, [&] { ++ticks; });
    w.timer(4).setInterval(1000);
    w.timer(4).setEnabled(true);
    advanceTo(900);
    w.timer(4).setEnabled(false);
    w.timer(4).setEnabled(true); // counts from 900 again
    advanceTo(1500);
    EXPECT_EQ(ticks, 0);
    advanceTo(1900);
    EXPECT_EQ(ticks, 1);
    w.timer(4).setInterval(250); // from 1900
    advanceTo(2400);
    EXPECT_EQ(ticks, 3);
}

TEST_F(WindowTest, ATimerStoppedByAnotherTickNeverFires) {
    int late = 0;
    w.timer(1).setInterval(100);
    w.timer(2).setInterval(100);
    w.onTimer(1, [&] { w.timer(2).setEnabled(false); });
    w.onTimer(2, [&] { ++late; });
    w.timer(1).setEnabled(true);
    w.timer(2).setEnabled(true);
    advanceTo(1000);
    EXPECT_EQ(late, 0);
}

TEST_F(WindowTest, ClicksReachOnlyControlsAPlayerCouldClick) {
    Control& panel = w.add("Picture1", ControlKind::Panel);
    w.addArray("Label3", 0, 1, ControlKind::Label, &panel);
    std::vector<int> clicked;
    w.onClick("Label3", [&](int i) { clicked.push_back(i); });

    panel.visible = false;
    EXPECT_FALSE(w.click("Label3", 0)); // its panel is hidden
    panel.visible = true;
    w("Label3", 1).visible = false;
    EXPECT_FALSE(w.click("Label3", 1));
    w.setEnabled(false);
    EXPECT_FALSE(w.click("Label3", 0)); // the whole window is disabled
    w.setEnabled(true);
    EXPECT_TRUE(w.click("Label3", 0));
    EXPECT_FALSE(w.click("Label9"));
    EXPECT_EQ(clicked, std::vector<int>{0});
    EXPECT_TRUE(w.isArray("Label3"));
    EXPECT_FALSE(w.isArray("Picture1"));
}

// A control is out of reach once screens drawn above it hide all of it; a part left in view, or the
// screen it sits on, does not hide it.
TEST_F(WindowTest, ControlsCoveredByLaterScreensCannotBeClicked) {
    auto place = [](Control& c, int left, int top, int width, int height) {
        c.left = left;
        c.top = top;
        c.width = width;
        c.height = height;
    };
    Control& lower = w.add("Picture1", ControlKind::Panel);
    place(lower, 0, 0, 4000, 4000);
    Control& button = w.add("Label1", ControlKind::Label, &lower);
    place(button, 1000, 1000, 1000, 500); // 1000..2000 x 1000..1500 on the window
    Control& left = w.add("Picture2", ControlKind::Panel);
    place(left, 0, 0, 1500, 4000); // covers the button's left half
    Control& right = w.add("Picture3", ControlKind::Panel);
    place(right, 1500, 1200, 2500, 2800); // covers the right half below 1200 only
    int clicks = 0;
    w.onClick("Label1", [&](int) { ++clicks; });

    EXPECT_TRUE(w.click("Label1")); // a strip of the right half stays in view
    right.top = 900;
    EXPECT_FALSE(w.click("Label1")) << "hidden by two screens together";
    EXPECT_TRUE(w.covered(button));
    left.visible = false;
    EXPECT_TRUE(w.click("Label1"));
    // A screen made later is drawn above everything made before it.
    Control& under = w.add("Picture4", ControlKind::Panel);
    place(under, 0, 0, 9000, 9000);
    left.visible = true;
    EXPECT_FALSE(w.click("Label1"));
    under.visible = false;
    lower.left = 5000; // the button's own screen moves away from the covers
    EXPECT_TRUE(w.click("Label1"));
    EXPECT_EQ(clicks, 3);
}

TEST_F(WindowTest, AFailingHandlerIsReportedAndTheWindowStaysUsable) {
    w.add("Label1", ControlKind::Label);
    w.onClick("Label1", [&](int) {
        w.setEnabled(false);
        throw std::runtime_error("disco pieno");
    });
    EXPECT_TRUE(w.click("Label1"));
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(platform.takeMessages(), std::vector<std::string>{"disco pieno"});
    EXPECT_EQ(platform.lastTitle(), "Velmora");
}

TEST_F(WindowTest, NoEventIsDeliveredInsideAnother) {
    w.add("Label1", ControlKind::Label);
    int ticks = 0;
    w.timer(1).setInterval(10);
    w.timer(1).setEnabled(true);
    w.onTimer(1, [&] { ++ticks; });
    bool nestedClick = true;
    w.onClick("Label1", [&](int) {
        platform.setNow(100);
        w.runDueTimers(100); // what a yield might try: nothing runs
        nestedClick = w.click("Label1");
    });
    w.click("Label1");
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(nestedClick);
}

// Played on from inside an event (the skip), each tick is an event as waiting makes it: the rules
// that follow every event run after each one, seeing its own moment; and keys held after a result
// wait their time.
TEST_F(WindowTest, PlayingOnDeliversEachTickAsWaitingDoes) {
    w.add("Label1", ControlKind::Label);
    std::vector<long long> waited, played;
    std::vector<long long>* rules = &waited;
    w.setAfterEvent([&] { rules->push_back(w.now()); });
    w.timer(1).setInterval(100);
    w.onTimer(1, [] {});
    w.timer(1).setEnabled(true);
    advanceTo(300);
    rules = &played;
    w.onClick("Label1", [&](int) { w.playOn([&] { return w.now() >= 600; }, 100); });
    w.click("Label1");
    EXPECT_EQ(waited, (std::vector<long long>{100, 200, 300}));
    EXPECT_EQ(played, (std::vector<long long>{400, 500, 600, 600})); // the ticks, then the click

    w.onKey("Return", [] { return Window::Buttons{{"Label1", -1}}; });
    w.holdKeys(w.now() + 500);
    EXPECT_FALSE(w.pressKey("Return"));
    w.setNow(w.now() + 500);
    EXPECT_TRUE(w.pressKey("Return"));
}

TEST_F(WindowTest, CombosSelectByTextAndRunTheirHandler) {
    Control& combo = w.add("Combo6", ControlKind::Combo);
    combo.items = {"1", "2", "3"};
    std::vector<std::string> seen;
    w.onClick("Combo6", [&](int) { seen.push_back(combo.text); });
    w.setComboText(combo, "2");
    EXPECT_EQ(combo.listIndex, 1);
    EXPECT_TRUE(w.choose("Combo6", -1, "3"));
    EXPECT_FALSE(w.choose("Combo6", -1, "9"));
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "3"}));
}

TEST_F(WindowTest, AKeyClicksItsFirstLiveButtonAndOnlyThenRunsItsAction) {
    std::vector<std::string> done;
    for (const char* name : {"Label47", "Label41"}) {
        w.add(name, ControlKind::Label);
        w.onClick(name, [&done, name](int) { done.push_back(name); });
    }
    w.onKey("Escape", [] { return Window::Buttons{{"Label47", -1}, {"Label41", -1}, {"Label99", -1}}; });
    w.onKeyAction("Escape", [&] {
        done.push_back("action");
        return true;
    });
    // The first button that a click would reach is the one pressed, and nothing else happens.
    EXPECT_TRUE(w.pressKey("Escape"));
    w("Label47").visible = false;
    EXPECT_TRUE(w.pressKey("Escape"));
    // A dimmed button would do nothing: the key passes it by.
    w("Label41").dimmed = true;
    EXPECT_TRUE(w.pressKey("Escape"));
    EXPECT_EQ(done, (std::vector<std::string>{"Label47", "Label41", "action"}));
    // A disabled window takes no key at all; an action that did nothing says so.
    w.setEnabled(false);
    EXPECT_FALSE(w.pressKey("Escape"));
    w.setEnabled(true);
    w.onKeyAction("Left", [] { return false; });
    EXPECT_FALSE(w.pressKey("Left"));
    EXPECT_FALSE(w.pressKey("F1"));
    EXPECT_EQ(done.size(), 3u);
}

TEST(PicturePath, MatchesEveryComponentWithoutRegardToCase) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("velmora-pictures-" + std::to_string(::getpid()));
    fs::create_directories(root / "immagini" / "uno");
    std::ofstream(root / "immagini" / "uno" / "7rosso.jpg") << "x";
    const std::string expected = (root / "immagini" / "uno" / "7rosso.jpg").string();
    EXPECT_EQ(resolvePicture(root.string(), "\\immagini\\Uno\\7rosso.jpg"), expected);
    EXPECT_EQ(resolvePicture(root.string(), "\\IMMAGINI\\uno\\7ROSSO.JPG"), expected);
    EXPECT_EQ(resolvePicture(root.string(), root.string() + "\\immagini\\uno\\7rosso.jpg"), expected);
    EXPECT_EQ(resolvePicture(root.string(), "\\immagini\\uno\\8rosso.jpg"), "");
    fs::remove_all(root);
}

} // namespace
} // namespace velmora
