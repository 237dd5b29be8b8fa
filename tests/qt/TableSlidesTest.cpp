// Cards in motion at a real table of each game, played through on the virtual clock with the
// window's view beside it: every card a computer seat plays slides from that seat's backs, the
// human's from his hand or his plate, Uno's pile takes the card a seat has just put down, and a
// taken trick gathers on a seat's plate.

#include "app/Form1.h"
#include "app/layout/Screens.h"
#include "qt/DesktopTablePlayer.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/ScriptedPlatform.h"
#include "ui/qt/CardSlides.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace velmora {
namespace {

class TableSlidesTest : public ::testing::TestWithParam<std::string> {
  protected:
    // The control whose widget covers exactly this rectangle of the stage, as "Name[index]".
    std::string placeOf(WindowView& view, QRect onStage) {
        QWidget* stage = view.widgetOf("Picture5")->parentWidget();
        for (const char* name : {"Image9", "Image10", "Image11", "SeatPlate"}) {
            for (int i = 0; QWidget* widget = view.widgetOf(name, i); ++i) {
                if (QRect(widget->mapTo(stage, QPoint(0, 0)), widget->size()) == onStage)
                    return std::string(name) + "[" + std::to_string(i) + "]";
            }
        }
        return "?";
    }
    bool onAPlate(WindowView& view, QRect onStage) {
        QWidget* stage = view.widgetOf("Picture5")->parentWidget();
        for (int i = 0; QWidget* plate = view.widgetOf("SeatPlate", i); ++i) {
            if (QRect(plate->mapTo(stage, QPoint(0, 0)), plate->size()).center() == onStage.center()) return true;
        }
        return false;
    }
};

TEST_P(TableSlidesTest, EveryCardSlidesFromWhereItWas) {
    test::qtApplication();
    const std::string game = GetParam();
    test::AppFolder folder;
    const test::TableEvent event = test::firstEvent(folder.path(), game, 64);
    test::buildCareerAt(folder.path(), event);
    ScriptedPlatform platform(folder.path());
    Form1 form(platform);
    test::DesktopTablePlayer player(form);
    form.Form_Load();
    WindowView view(form.window());
    view.setSlideRoutes(tableSlides());
    view.resize(1366, 768);
    view.show();
    view.sync();
    // Every slide of the table, from where to where, counted; each lands before the next event.
    std::map<std::string, int> slides;
    int gathered = 0;
    form.window().setChangedCallback([&] {
        player.onEvent();
        view.sync();
        for (int k = 0; k < view.slides().moving(); ++k) {
            const std::string to = placeOf(view, view.slides().destination(k));
            if (to == "?" && onAPlate(view, view.slides().destination(k))) {
                ++gathered;
            } else {
                ++slides[placeOf(view, view.slides().origin(k)) + " -> " + to];
            }
        }
        view.slides().finishAll();
    });
    player.sitDown(event);
    Window& w = form.window();
    for (int ticks = 0; !player.roundClosed(); ++ticks) {
        const long long due = w.nextDue();
        ASSERT_TRUE(due >= 0 && ticks < 400000) << "the table stopped before its round closed";
        platform.setNow(due);
        w.runDueTimers(due);
    }
    form.window().setChangedCallback(nullptr);

    std::map<std::string, int> expected;
    for (const auto& [route, count] : slides) {
        SCOPED_TRACE(route);
        const std::string from = route.substr(0, route.find(" -> "));
        const std::string to = route.substr(route.find(" -> ") + 4);
        if (to == "Image9[4]") {
            EXPECT_EQ(game, "Uno");
            EXPECT_EQ(from.rfind("Image9[", 0), 0u) << "the pile takes the card a seat has just put down";
        } else if (to == "Image9[3]") {
            EXPECT_TRUE(from == "SeatPlate[3]" || from.rfind("Image11[", 0) == 0) << "his card comes from his hand";
        } else {
            ASSERT_EQ(to.rfind("Image9[", 0), 0u) << "a card landing anywhere else";
            EXPECT_EQ(from, "Image10[" + to.substr(7)) << "a seat's card comes from its own backs";
        }
        expected[to] += count;
    }
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_GT(expected["Image9[" + std::to_string(seat) + "]"], 0) << "seat " << seat << " never played a sliding card";
    if (game == "Uno") {
        EXPECT_GT(expected["Image9[4]"], 0);
    } else {
        EXPECT_GT(gathered, 0) << "no taken trick went to its winner";
    }
}

INSTANTIATE_TEST_SUITE_P(Games, TableSlidesTest, ::testing::Values("Uno", "Hearts", "Brisolo"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace velmora
