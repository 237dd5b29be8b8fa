#pragma once

#include "ui/Control.h"

#include <QChartView>

namespace velmora {

// The widget of a chart control: the control's lines drawn with Qt Charts, in the control's colours
// and font, at the size the stage gives it. Being drawn from the data at every size, it stays sharp
// however large the window is.
class ChartWidget : public QChartView {
  public:
    explicit ChartWidget(QWidget* parent);

    // Draws the control's chart again: its lines, axes and legend, fonts scaled by the stage factor
    // for a device of the given logical dpi.
    void draw(const Control& control, double factor, double logicalDpi);
};

} // namespace velmora
