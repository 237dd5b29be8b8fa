#pragma once

#include <QProxyStyle>

namespace velmora {

// The combo boxes' drop-down button drawn to the box's own height, so its arrow grows and shrinks
// with the window like the text beside it (the toolkit's arrow keeps one size at every scale).
// Everything else is the application's style.
class ComboArrowStyle : public QProxyStyle {
  public:
    ComboArrowStyle() = default;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace velmora
