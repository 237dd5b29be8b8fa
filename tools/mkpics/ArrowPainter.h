#pragma once

#include <QImage>

// The arrows on the table that show which way the turn goes round.
class ArrowPainter {
  public:
    static constexpr int kWidth = 128;
    static constexpr int kHeight = 96;

    // A curved arrow sweeping under the table's centre and pointing to the left, on a transparent ground.
    static QImage left();
    // The mirror image of left(), pointing to the right.
    static QImage right();
};
