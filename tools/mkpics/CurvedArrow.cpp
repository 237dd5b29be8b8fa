#include "CurvedArrow.h"

#include <QPainterPathStroker>
#include <QtMath>

QPainterPath CurvedArrow::path() const {
    QPainterPath arc;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + (to - from) * i / steps;
        const QPointF point = centre + QPointF(radius * qCos(a), radius * qSin(a));
        if (i == 0)
            arc.moveTo(point);
        else
            arc.lineTo(point);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(tailCap);
    QPainterPath arrow = stroker.createStroke(arc);

    const QPointF tip = centre + QPointF(radius * qCos(to), radius * qSin(to));
    const QPointF tangent(-qSin(to), qCos(to));
    const QPointF normal(qCos(to), qSin(to));
    QPainterPath head;
    head.moveTo(tip + normal * headHalfWidth);
    head.lineTo(tip + tangent * headLength);
    head.lineTo(tip - normal * headHalfWidth);
    head.closeSubpath();
    return arrow.united(head);
}
