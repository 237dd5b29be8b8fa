#include "ui/qt/CardSlides.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/Window.h"
#include "ui/qt/ControlWidget.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using test::centreInView;
using test::clickViewAt;

const std::string kCard = "\\immagini\\52\\dietro.jpg";

// A strip of table: a seat's card backs on the left, a card of the hand in the middle and the place
// a played card lands on the right, so a card sliding from the seat passes over the hand card.
class CardSlidesTest : public ::testing::Test {
  protected:
    CardSlidesTest() {
        test::qtApplication();
        Control* table = &w.add("Picture5", ControlKind::Panel);
        table->width = 28000;
        table->height = 15000;
        auto card = [&](const std::string& name, int left, bool visible) -> Control& {
            Control& c = w.add(name, ControlKind::Picture, table);
            c.left = left;
            c.top = 6000;
            c.width = 2400;
            c.height = 3600;
            c.picture = kCard;
            c.clickable = true;
            c.visible = visible;
            w.onClick(name, [this, name](int) { clicks.push_back(name); });
            return c;
        };
        card("Image10", 1500, true);
        card("Image11", 9000, true);
        card("Image9", 16500, false);
        w.addArray("Image23", 0, 1, ControlKind::Picture, table);
        w.addArray("SeatPlate", 0, 1, ControlKind::Shape, table);
        for (int k = 0; k < 2; ++k) {
            Control& held = w("Image23", k);
            held.left = 9000 + 3000 * k;
            held.top = 1000;
            held.width = 1200;
            held.height = 1800;
            held.picture = kCard;
            Control& plate = w("SeatPlate", k);
            plate.left = 1000 + 20000 * k;
            plate.top = 12000;
        }
        view = std::make_unique<WindowView>(w);
        view->resize(DesignScale::designPixels());
        view->show();
        view->sync();
    }

    // Clicks the middle of a control's widget as the player would; returns the widget hit.
    QWidget* clickOn(const std::string& name) {
        return clickViewAt(view.get(), centreInView(view.get(), view->widgetOf(name)));
    }
    ControlWidget* painted(const std::string& name) {
        return static_cast<ControlWidget*>(view->widgetOf(name));
    }

    test::AppFolder folder;
    test::RealClockPlatform platform{folder.path()};
    Window w{platform};
    std::vector<std::string> clicks;
    std::unique_ptr<WindowView> view;
};

TEST_F(CardSlidesTest, AClickDuringASlideDoesWhatItWouldWithoutOne) {
    std::vector<std::vector<std::string>> clicked;
    for (bool moving : {false, true}) {
        SCOPED_TRACE(moving ? "with slides" : "without slides");
        view->setSlideRoutes(moving ? std::vector<SlideRoute>{{"Image9", -1, "Image10", -1, false}}
                                    : std::vector<SlideRoute>{});
        w("Image9").visible = false;
        view->sync();
        clicks.clear();
        // A seat plays: the card shows at its place.
        w("Image9").visible = true;
        view->sync();
        ASSERT_EQ(view->slides().moving(), moving ? 1 : 0);
        EXPECT_EQ(painted("Image9")->veiled(), moving) << "the landing place drawn before the card lands";
        // The card is on its way over the hand card: clicks reach the hand card and the landing
        // place as they would with no card moving.
        EXPECT_EQ(clickOn("Image11"), view->widgetOf("Image11"));
        EXPECT_EQ(clickOn("Image9"), view->widgetOf("Image9"));
        clicked.push_back(clicks);
    }
    EXPECT_EQ(clicked[0], (std::vector<std::string>{"Image11", "Image9"}));
    EXPECT_EQ(clicked[1], clicked[0]);
    // The card lands within a few frames and its place is drawn again.
    test::runEventsFor(CardSlides::kSlideMs + 200);
    EXPECT_EQ(view->slides().moving(), 0);
    EXPECT_FALSE(painted("Image9")->veiled());
}

// Where played cards and taken tricks go at a real table is checked game by game in
// TableSlidesTest; here only that nothing moves on a table that is not shown.
TEST_F(CardSlidesTest, ATrickPutAwayWhileTheTableIsHiddenDoesNotMove) {
    view->setSlideRoutes({{"Image23", -1, "SeatPlate", -1, true}});
    w("Image23", 1).marked = true;
    view->sync();
    w("Picture5").visible = false;
    w("Image23", 0).visible = false;
    w("Image23", 1).visible = false;
    view->sync();
    EXPECT_EQ(view->slides().moving(), 0);
    // The same trick put away on a shown table gathers on its winner's plate.
    w("Picture5").visible = true;
    w("Image23", 0).visible = true;
    w("Image23", 1).visible = true;
    view->sync();
    w("Image23", 0).visible = false;
    w("Image23", 1).visible = false;
    view->sync();
    EXPECT_EQ(view->slides().moving(), 2);
}

} // namespace
} // namespace velmora
