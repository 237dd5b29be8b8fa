// The game's screens as the player sees them at a laptop's 1366 x 768: lines of one table that
// must stand level, and buttons that must light up within their own rounded outline.

#include "app/Form1.h"
#include "qt/QtTestSupport.h"
#include "support/AppFolder.h"
#include "ui/qt/WindowView.h"

#include <QEnterEvent>
#include <QPointingDevice>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace velmora {
namespace {

class ScreenDrawingTest : public ::testing::Test {
  protected:
    ScreenDrawingTest() {
        test::qtApplication();
        form.Form_Load();
        view = std::make_unique<WindowView>(form.window());
        view->resize(1366, 768);
        view->show();
        form.window().setChangedCallback([this] { view->sync(); });
    }
    ~ScreenDrawingTest() override { form.window().setChangedCallback(nullptr); }

    // The window as drawn now, and where a control's widget lies in it.
    QImage drawn() {
        view->sync();
        return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRect placeOf(const std::string& name, int index = -1) {
        QWidget* widget = view->widgetOf(name, index);
        return QRect(widget->mapTo(view.get(), QPoint(0, 0)), widget->size());
    }

    test::AppFolder folder;
    test::RealClockPlatform platform{folder.path()};
    Form1 form{platform};
    std::unique_ptr<WindowView> view;
};

// The middle row of each line of text in an area: rows holding a pixel of the text (the lists are
// light type on dark felt) are grouped into runs, one run per line.
std::vector<double> lineMiddles(const QImage& image, QRect area) {
    auto light = [](QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 400; };
    std::vector<double> middles;
    int runStart = -1;
    for (int y = area.top(); y <= area.bottom() + 1; ++y) {
        bool inked = false;
        for (int x = area.left(); y <= area.bottom() && x <= area.right() && !inked; ++x)
            inked = light(image.pixel(x, y));
        if (inked && runStart < 0) runStart = y;
        if (!inked && runStart >= 0) {
            middles.push_back((runStart + y - 1) / 2.0);
            runStart = -1;
        }
    }
    return middles;
}

TEST_F(ScreenDrawingTest, TheChosenGamesMarkerStandsOnItsPlayersLinesOnAShortPage) {
    // A new career, then the nation whose list is nearest 18 lines and shorter than a page.
    ASSERT_TRUE(form.window().click("Label1", 1));
    ASSERT_TRUE(form.window().click("Label1", 3));
    form.c("Text1", 0).text = "Mario";
    form.c("Text1", 1).text = "Rossi";
    ASSERT_TRUE(form.window().click("Label3", 0));
    const Rows nations = form.db().query("SELECT nazione, count(*) FROM giocatori GROUP BY nazione");
    std::string nation;
    long lines = 100;
    for (int r = 0; r <= nations.last(); ++r) {
        const long count = static_cast<long>(nations.at(1, r).num());
        if (count < 25 && count > 1 && std::labs(count - 18) < std::labs(lines - 18)) {
            nation = nations.at(0, r).str();
            lines = count;
        }
    }
    ASSERT_FALSE(nation.empty());
    ASSERT_TRUE(form.window().click("Label1", 6));
    ASSERT_TRUE(form.window().choose("Combo3", -1, "Nazionale"));
    ASSERT_TRUE(form.window().choose("Combo4", -1, nation));
    ASSERT_TRUE(platform.takeMessages().empty());

    for (const char* game : {"Brisolo", "Generale", "Uno"}) {
        SCOPED_TRACE(game);
        ASSERT_TRUE(form.window().choose("Combo2", -1, game));
        const QImage image = drawn();
        const QRect marker = placeOf("Label22").adjusted(4, 2, -4, -2);
        const QRect totals = placeOf(std::string(game) == "Generale" ? "Label14" : "Label12");
        const std::vector<double> ranked = lineMiddles(image, totals);
        const std::vector<double> marked = lineMiddles(image, marker);
        ASSERT_EQ(static_cast<long>(ranked.size()), lines);
        ASSERT_EQ(marked.size(), ranked.size());
        for (size_t k = 0; k < ranked.size(); ++k)
            EXPECT_NEAR(marked[k], ranked[k], 2.0) << "line " << k + 1;
    }
}

TEST_F(ScreenDrawingTest, PrizeBoardLinesStandLevelWithTheirFlags) {
    // A full left column of names with capitals and descenders, each line with its flag.
    form.c("Picture7").visible = true;
    Control& names = form.c("Label40", 6);
    names.text.clear();
    for (int line = 0; line < 32; ++line) {
        names.text += std::to_string(line + 1) + ". Gąsiorowski Jerzy\n";
        Control& flag = form.c("Image17", line);
        flag.picture = "\\immagini\\flags\\it.jpg";
        flag.visible = true;
    }
    const QImage image = drawn();
    const std::vector<double> lines = lineMiddles(image, placeOf("Label40", 6));
    ASSERT_EQ(lines.size(), 32u);
    for (int line = 0; line < 32; ++line) {
        const QRect flag = placeOf("Image17", line);
        EXPECT_NEAR(lines[static_cast<size_t>(line)], (flag.top() + flag.bottom()) / 2.0, 1.2) << "line " << line + 1;
    }
}

TEST_F(ScreenDrawingTest, AMenuButtonLightsUpWithinItsRoundedOutline) {
    for (int entry : {1, 2}) {
        SCOPED_TRACE(entry);
        QWidget* button = view->widgetOf("Label1", entry);
        const QRect box = placeOf("Label1", entry);
        const QImage before = drawn();
        const QPointF inside(button->width() / 2.0, button->height() / 2.0);
        QEnterEvent enter(inside, inside, button->mapToGlobal(inside));
        QApplication::sendEvent(button, &enter);
        const QImage after = drawn();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);

        // The pointer shows: the button's face changes.
        const QPoint face = box.center() + QPoint(box.width() / 3, 0);
        EXPECT_NE(before.pixel(face), after.pixel(face));
        // Outside the rounded ends, within the button's box, nothing changes.
        for (const QPoint corner : {box.topLeft() + QPoint(1, 1), box.topRight() + QPoint(-1, 1),
                                    box.bottomLeft() + QPoint(1, -1), box.bottomRight() + QPoint(-1, -1)})
            EXPECT_EQ(before.pixel(corner), after.pixel(corner)) << corner.x() << "," << corner.y();
    }
}

} // namespace
} // namespace velmora
