// Controls that stand side by side on one screen must not cover each other: a panel over the title
// pictures, a list over its board's frame, a counter over its seat's plate.

#include "support/GameTest.h"

namespace velmora::test {
namespace {

struct Area {
    int left, top, right, bottom; // twips in the window
};

// Where a control lies in the window: its own place plus that of the panels holding it.
Area areaOf(const Control& control) {
    Area a{control.left, control.top, control.left + control.width, control.top + control.height};
    for (const Control* panel = control.panel; panel; panel = panel->panel) {
        a.left += panel->left;
        a.right += panel->left;
        a.top += panel->top;
        a.bottom += panel->top;
    }
    return a;
}

bool overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class ScreenLayoutTest : public GameTest {};

TEST_F(ScreenLayoutTest, ControlsShownTogetherLeaveEachOtherWhole) {
    load();
    struct Pair {
        const char* name;
        int index;
        const char* other;
        int otherIndex;
    };
    const Pair apart[] = {
        // The rankings and the calendar open below the title band's two pictures.
        {"Image1", 0, "Picture3", -1},
        {"Image1", 1, "Picture3", -1},
        {"Image1", 0, "Picture4", -1},
        {"Image1", 1, "Picture4", -1},
        // The calendar's week list and its caption stand above the board of the week's events.
        {"Combo6", -1, "Shape41", -1},
        {"Label2", 22, "Shape41", -1},
        // Brisolo stacks three counters beside each seat's plate, the human's too.
        {"Label40", 0, "SeatPlate", 0},
        {"Label40", 1, "SeatPlate", 1},
        {"Label40", 2, "SeatPlate", 2},
        {"Label40", 3, "SeatPlate", 3},
        {"Label40", 3, "Image9", 3},
        // The banner over a decided table leaves Uno's direction of play and the card or held
        // trick at the far seat in sight.
        {"Label56", -1, "Label49", -1},
        {"Label56", -1, "Image13", -1},
        {"Label56", -1, "Image9", 0},
        {"Label56", -1, "Image23", 0},
        // The log of moves keeps to its corner of the felt, clear of the banner and the seats.
        {"Label70", -1, "Label56", -1},
        {"Label70", -1, "Image9", 0},
        {"Label70", -1, "Image10", 0},
        {"Label70", -1, "Image9", 3},
        {"Label70", -1, "SeatPlate", 3},
        // Brisolo's captions name its numbers without covering them or the cards.
        {"Label82", -1, "Label51", -1},
        {"Label82", -1, "Image9", 1},
        {"Label83", 0, "Label40", 0},
        {"Label83", 0, "Image10", 0},
        {"Label83", 1, "Label40", 1},
        {"Label83", 1, "BoardSheet", 0},
        {"Label83", 2, "Label40", 2},
        {"Label83", 2, "Image10", 2},
        {"Label83", 3, "Label40", 3},
        {"Label83", 3, "Image9", 3},
        {"Label84", -1, "Combo12", -1},
        // The prompt stands under the buttons it is about; the legend beside the rules.
        {"Label85", -1, "Label54", -1},
        {"Label85", -1, "Label48", 0},
        {"Label85", -1, "Label44", -1},
        {"Label86", -1, "Label46", -1},
    };
    for (const Pair& p : apart) {
        EXPECT_FALSE(overlap(areaOf(c(p.name, p.index)), areaOf(c(p.other, p.otherIndex))))
            << p.name << "(" << p.index << ") covers " << p.other << "(" << p.otherIndex << ")";
    }
}

} // namespace
} // namespace velmora::test
