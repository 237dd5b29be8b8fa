#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/Window.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/WindowView.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::distinctColours;
using test::pixelsNear;

class RenderingTest : public ::testing::Test {
  protected:
    RenderingTest() { test::qtApplication(); }

    QImage shotOf(const std::string& name, int index = -1) {
        view->sync();
        return view->widgetOf(name, index)->grab().toImage();
    }

    test::AppFolder folder;
    ScriptedPlatform platform{folder.path()};
    Window w{platform};
    std::unique_ptr<WindowView> view;
};

TEST_F(RenderingTest, CaptionsGrowAndShrinkWithTheWindow) {
    Control& label = w.add("Label1", ControlKind::Label);
    label.left = 1500;
    label.top = 1500;
    label.width = 9000;
    label.height = 1500;
    label.text = "Carriera";
    label.font.size = 28;
    label.font.bold = true;
    label.foreColor = 0xFF0000;
    label.backTransparent = false;
    label.backColor = 0x000000;
    view = std::make_unique<WindowView>(w);
    view->resize(DesignScale::designPixels());
    view->show();
    const int full = pixelsNear(shotOf("Label1"), Qt::red);
    EXPECT_GT(full, 400);

    view->resize(955, 520);
    const int half = pixelsNear(shotOf("Label1"), Qt::red);
    // Half the size in each direction: about a quarter of the ink.
    EXPECT_GT(half, full / 8);
    EXPECT_LT(half, full / 2);
}

TEST_F(RenderingTest, SymbolFacesDrawTheirSymbols) {
    Control& dots = w.add("Label53", ControlKind::Label);
    dots.width = 3000;
    dots.height = 600;
    dots.font.family = "Wingdings";
    dots.font.size = 20;
    dots.text = "lll";
    dots.foreColor = 0x0000FF;
    Control& letters = w.add("Label54", ControlKind::Label);
    letters.top = 1000;
    letters.width = 3000;
    letters.height = 600;
    letters.font.size = 20;
    letters.text = "lll";
    letters.foreColor = 0x0000FF;
    view = std::make_unique<WindowView>(w);
    view->resize(DesignScale::designPixels());
    // Three filled dots carry far more ink than three thin letters l.
    EXPECT_GT(pixelsNear(shotOf("Label53"), Qt::blue), 2 * pixelsNear(shotOf("Label54"), Qt::blue));
}

TEST_F(RenderingTest, PicturesComeFromTheAppFolderWhateverTheLetterCaseOfThePath) {
    Control& card = w.add("Image11", ControlKind::Picture);
    card.left = 1500;
    card.top = 1500;
    card.width = 1500;
    card.height = 2250;
    card.picture = "\\IMMAGINI\\Uno\\DIETRO.JPG";
    Control& title = w.add("Image1", ControlKind::Picture);
    title.left = 6000;
    title.picture = "\\immagini\\cards.gif";
    title.stretch = false;
    view = std::make_unique<WindowView>(w);
    view->resize(DesignScale::designPixels());
    view->sync();
    EXPECT_EQ(view->widgetOf("Image11")->size(), QSize(100, 150));
    EXPECT_GT(distinctColours(shotOf("Image11")), 10);

    // An unstretched picture keeps its own size, scaled with the window.
    QImage file(QString::fromStdString(folder.path() + "/immagini/cards.gif"));
    ASSERT_FALSE(file.isNull());
    EXPECT_NEAR(view->widgetOf("Image1")->width(), file.width(), 1);
    view->resize(955, 520);
    view->sync();
    EXPECT_NEAR(view->widgetOf("Image1")->width(), file.width() / 2.0, 1);
    EXPECT_GT(distinctColours(shotOf("Image1")), 10);
}

TEST_F(RenderingTest, ShapesAndBordersDrawTheirColours) {
    Control& marker = w.add("Shape1", ControlKind::Shape);
    marker.left = 1500;
    marker.top = 1500;
    marker.width = 3000;
    marker.height = 3000;
    marker.borderColor = 0xFFFF00;
    Control& box = w.add("Label43", ControlKind::Label);
    box.left = 6000;
    box.width = 3000;
    box.height = 1500;
    box.backTransparent = false;
    box.backColor = 0x00FF00;
    box.radius = 300;
    view = std::make_unique<WindowView>(w);
    view->resize(DesignScale::designPixels());
    const QImage frame = shotOf("Shape1");
    EXPECT_GT(pixelsNear(frame, Qt::yellow), 4 * 150);                     // the four sides
    EXPECT_NE(frame.pixelColor(100, 100).rgb(), QColor(Qt::yellow).rgb()); // hollow
    const QImage filled = shotOf("Label43");
    EXPECT_EQ(filled.pixelColor(100, 50), QColor(Qt::green));
    EXPECT_NE(filled.pixelColor(0, 0), QColor(Qt::green)); // rounded corner
}

} // namespace
} // namespace velmora
