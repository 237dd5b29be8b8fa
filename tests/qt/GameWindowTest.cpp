#include "app/Form1.h"
#include "games/brisolo/BrisoloTable.h"
#include "games/uno/UnoTable.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/qt/ControlWidget.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QStyleOptionComboBox>

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

TEST_F(GameWindowTest, TheScoreboardHeadersFitTheirBoardAtEverySize) {
    // A board is laid out at the design size and scaled as a whole, so a header that fits there fits
    // at every window size; one that does not loses its last column ("Punti" cut to "Punt").
    Control& header = form.c("Label38", 11);
    const double widthPixels = header.width / DesignScale::kTwipsPerPixel;
    const QFont face = ControlWidget::scaledFont(header.font, 1.0, view->logicalDpiY());
    const QFontMetricsF metrics(face);
    for (const std::string& text : {UnoTable::boardHeader(), BrisoloTable::boardHeader()}) {
        SCOPED_TRACE(text);
        const double drawn = metrics.horizontalAdvance(QString::fromStdString(text)) * header.glyphWidth;
        EXPECT_LE(drawn, widthPixels);
        // The face is taller than the 8.25-point one whose width its characters keep.
        EXPECT_GT(header.font.size, 8.25);
    }
}

TEST_F(GameWindowTest, TheComboArrowGrowsAndShrinksWithTheWindow) {
    auto* combo = dynamic_cast<QComboBox*>(view->widgetOf("Combo7"));
    ASSERT_NE(combo, nullptr);
    auto arrowOf = [&] {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.rect = combo->rect();
        option.subControls = QStyle::SC_All;
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    };
    const QRect large = arrowOf();
    const int largeHeight = combo->height();
    view->resize(1280, 720);
    QApplication::processEvents();
    const QRect small = arrowOf();
    ASSERT_LT(combo->height(), largeHeight);
    EXPECT_NEAR(static_cast<double>(small.width()) / large.width(),
                static_cast<double>(combo->height()) / largeHeight, 0.1);
    // The button stays at the box's right end, within it.
    EXPECT_EQ(small.right(), combo->rect().right());
    EXPECT_GE(small.left(), combo->rect().left());
}

} // namespace
} // namespace velmora
