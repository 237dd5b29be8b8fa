#include "app/Form1.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::centreInView;
using test::clickViewAt;

// The game's own window on screen after its load, over a fresh copy of the shipped data.
class GameWindowTest : public ::testing::Test {
  protected:
    GameWindowTest() {
        test::qtApplication();
        form.Form_Load();
        view = std::make_unique<WindowView>(form.window());
        view->resize(DesignScale::designPixels());
        view->show();
        form.window().setChangedCallback([this] { view->sync(); });
    }
    ~GameWindowTest() override { form.window().setChangedCallback(nullptr); }

    bool shown(const std::string& name, int index = -1) {
        QWidget* widget = view->widgetOf(name, index);
        return widget && widget->isVisibleTo(view.get());
    }

    test::AppFolder folder;
    test::RealClockPlatform platform{folder.path()};
    Form1 form{platform};
    std::unique_ptr<WindowView> view;
};

TEST_F(GameWindowTest, OpensOnTheTitleMenuWithEveryPanelHidden) {
    EXPECT_TRUE(platform.takeMessages().empty());
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(shown("Picture" + std::to_string(i))) << "Picture" << i;
    ASSERT_TRUE(shown("Label1", 1));
    EXPECT_EQ(form.c("Label1", 1).text, "Carriera");
    EXPECT_TRUE(shown("Label1", 2));
    EXPECT_FALSE(shown("Label1", 3));
    EXPECT_FALSE(shown("Label1", 4));
}

TEST_F(GameWindowTest, ClickingCarrieraOpensTheCareerSubmenu) {
    ASSERT_TRUE(shown("Label1", 1));
    QWidget* carriera = view->widgetOf("Label1", 1);
    EXPECT_EQ(clickViewAt(view.get(), centreInView(view.get(), carriera)), carriera);
    EXPECT_TRUE(shown("Label1", 3));
    EXPECT_TRUE(shown("Label1", 4));
    EXPECT_EQ(form.c("Label1", 3).text, "Nuova");
    EXPECT_EQ(form.c("Label1", 4).text, "Carica");
    clickViewAt(view.get(), centreInView(view.get(), carriera)); // and closes it again
    EXPECT_FALSE(shown("Label1", 3));
}

TEST_F(GameWindowTest, TheMenuRescalesWithTheWindow) {
    QWidget* carriera = view->widgetOf("Label1", 1);
    const QRect full = carriera->geometry();
    ASSERT_GT(full.width(), 10);
    view->resize(1366 * 9 / 10, 700);
    QApplication::processEvents();
    const double factor = view->scale().factor();
    EXPECT_NEAR(factor, 1229.0 / 1910.67, 0.001);
    EXPECT_NEAR(carriera->width(), full.width() * factor, 1.5);
    EXPECT_NEAR(carriera->x(), full.x() * factor, 1.5);
    const QRect stage = view->scale().stage();
    EXPECT_NEAR(static_cast<double>(stage.width()) / stage.height(), 28660.0 / 15600.0, 0.005);
}

TEST_F(GameWindowTest, EveryControlSettlesSoAnIdleSyncTouchesNothing) {
    // Timers sync the view many times a second; a control whose look never compares equal would be
    // redrawn on every tick.
    view->sync();
    EXPECT_EQ(view->lastSyncChanges(), 0);
    EXPECT_GT(form.window().controls().size(), 100u);
}

TEST_F(GameWindowTest, AScreenshotShowsTheTitleScreen) {
    const QImage shot = view->shot(DesignScale::designPixels());
    EXPECT_EQ(shot.size(), QSize(1910, 1040));
    EXPECT_GT(test::distinctColours(shot), 200); // the background and title pictures, the menu
}

} // namespace
} // namespace velmora
