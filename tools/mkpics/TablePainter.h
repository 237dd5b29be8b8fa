#pragma once

#include <QColor>
#include <QImage>

// The green card-table cloth everything is played on.
class TablePainter {
  public:
    static QColor feltColour();

    // Felt with a fine woven grain, soft mottling and a darker rim, like a lamp-lit table.
    // The same size always gives the same picture.
    static QImage felt(int width, int height);
};
