// A chart control drawn by the front end: its line goes where its data says, places climbing to the
// top of a reversed chart, and new data is drawn at the next sync.

#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/Window.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

#include <QImage>

namespace velmora {
namespace {

// Mean height (pixel row) of the red ink in the left and in the right quarter of the picture.
struct InkHeights {
    double left = -1, right = -1;
};

InkHeights redInk(const QImage& image) {
    double sums[2] = {0, 0};
    int counts[2] = {0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 170 || c.green() > 90 || c.blue() > 90) continue;
            const int side = x < image.width() / 4 ? 0 : x >= image.width() * 3 / 4 ? 1 : -1;
            if (side < 0) continue;
            sums[side] += y;
            ++counts[side];
        }
    }
    return {counts[0] ? sums[0] / counts[0] : -1, counts[1] ? sums[1] / counts[1] : -1};
}

class ChartRenderingTest : public ::testing::Test {
  protected:
    ChartRenderingTest() {
        test::qtApplication();
        Control& chart = w.add("Chart1", ControlKind::Chart);
        chart.left = 300;
        chart.top = 300;
        chart.width = 15000;
        chart.height = 9000;
        chart.backTransparent = false;
        chart.backColor = 0xFFFFFF;
        chart.chart.xMin = 1;
        chart.chart.xMax = 20;
        chart.chart.series.push_back({"Uno", 0xE00000, {}});
        for (int week = 1; week <= 20; ++week)
            chart.chart.series[0].points.emplace_back(week, 2000.0 / (week * week)); // from 2000th to 5th
        view = std::make_unique<WindowView>(w);
        view->resize(DesignScale::designPixels());
        view->show();
    }

    InkHeights drawn() {
        view->sync();
        return redInk(view->widgetOf("Chart1")->grab().toImage());
    }

    test::AppFolder folder;
    ScriptedPlatform platform{folder.path()};
    Window w{platform};
    std::unique_ptr<WindowView> view;
};

TEST_F(ChartRenderingTest, APlayerClimbingTheRankingClimbsTheChart) {
    w("Chart1").chart.yReversed = true;
    w("Chart1").chart.yLogarithmic = true;
    const InkHeights climbing = drawn();
    ASSERT_GE(climbing.left, 0) << "no line drawn";
    ASSERT_GE(climbing.right, 0);
    EXPECT_LT(climbing.right + 100, climbing.left) << "the better places are not at the top";

    // The same data on an ordinary axis falls instead, and the chart follows the change at once.
    w("Chart1").chart.yReversed = false;
    w("Chart1").chart.yLogarithmic = false;
    const InkHeights falling = drawn();
    EXPECT_GT(falling.right, falling.left + 100);

    // No data, no line.
    w("Chart1").chart.series[0].points.clear();
    EXPECT_LT(drawn().left, 0);
}

} // namespace
} // namespace velmora
