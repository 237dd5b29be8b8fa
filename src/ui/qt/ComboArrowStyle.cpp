#include "ui/qt/ComboArrowStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace velmora {

namespace {

// The button is a little narrower than the box is tall; the arrow a third of the box's height.
constexpr double kButtonPerHeight = 0.9;
constexpr double kArrowPerHeight = 0.36;

QRect buttonRect(const QRect& box) {
    const int width = std::max(8, static_cast<int>(box.height() * kButtonPerHeight));
    return QRect(box.right() - width + 1, box.top(), width, box.height());
}

} // namespace

QRect ComboArrowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl sub, const QWidget* widget) const {
    if (control == CC_ComboBox && option) {
        const QRect button = buttonRect(option->rect);
        if (sub == SC_ComboBoxArrow) return button;
        if (sub == SC_ComboBoxEditField) {
            QRect field = QProxyStyle::subControlRect(control, option, sub, widget);
            field.setRight(std::min(field.right(), button.left() - 1));
            return field;
        }
    }
    return QProxyStyle::subControlRect(control, option, sub, widget);
}

void ComboArrowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || !combo) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The box and its text as the style draws them, then our own arrow in the button.
    QStyleOptionComboBox plain(*combo);
    plain.subControls &= ~SC_ComboBoxArrow;
    QProxyStyle::drawComplexControl(control, &plain, painter, widget);
    if (!(combo->subControls & SC_ComboBoxArrow)) return;

    const QRectF button = buttonRect(combo->rect);
    const double across = std::max(5.0, combo->rect.height() * kArrowPerHeight);
    const QPointF centre = button.center() + QPointF(-across * 0.1, across * 0.1);
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-across / 2, -across / 4));
    arrow.lineTo(centre + QPointF(across / 2, -across / 4));
    arrow.lineTo(centre + QPointF(0, across / 4));
    arrow.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    const bool enabled = combo->state & State_Enabled;
    painter->setBrush(
        combo->palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter->drawPath(arrow);
    painter->restore();
}

} // namespace velmora
