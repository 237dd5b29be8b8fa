#pragma once

#include <QImage>
#include <QList>

// The game's icon for the desktop menu: three fanned cards (an Uno card, a spade and a heart) on a
// rounded square of table felt. Drawn as shapes at every size, so the small icons stay crisp.
class IconPainter {
  public:
    // The square sizes, in pixels, a desktop icon theme is expected to offer.
    static QList<int> sizes();
    // The icon, size x size pixels, transparent outside the rounded square.
    static QImage paint(int size);
};
