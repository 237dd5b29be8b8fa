#pragma once

#include <QRect>
#include <QSize>

namespace velmora {

// Maps the window's design coordinates (twips) onto a widget of any size. The whole design keeps its
// proportions: it is scaled to the largest stage that fits the widget and centred, the rest is border.
class DesignScale {
  public:
    // The window as designed: 28660 x 15600 twips, 15 twips to a pixel at 96 dpi (1910 x 1040 px).
    static constexpr int kDesignWidth = 28660;
    static constexpr int kDesignHeight = 15600;
    static constexpr double kTwipsPerPixel = 15.0;

    // Design size in pixels at 96 dpi.
    static QSize designPixels();
    // A starting window size that fits the available screen area (90% of it), in design proportions.
    static QSize startSize(QSize available);

    // Fits the design into an area of the given size (pixels).
    void fit(QSize area);
    // Where the design lies inside the area.
    QRect stage() const { return m_stage; }
    // Pixels of the stage per design pixel (1 at 1910 x 1040).
    double factor() const { return m_factor; }
    // A rectangle in twips, from the stage's top-left corner, in stage pixels. Edges are rounded
    // separately so controls that touch in the design still touch on screen.
    QRect map(int left, int top, int width, int height) const;
    // One coordinate in twips, in stage pixels.
    int pixels(int twips) const;

  private:
    QRect m_stage{0, 0, 1910, 1040};
    double m_factor = 1.0;
};

} // namespace velmora
