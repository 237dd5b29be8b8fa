#include "ArrowPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QtMath>

QImage ArrowPainter::left() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The arc runs clockwise along the bottom of a circle, from the right side to the left.
    const QPointF centre(kWidth / 2.0, 18.0);
    const double radius = 52.0;
    const double from = qDegreesToRadians(20.0);
    const double to = qDegreesToRadians(150.0);
    QPainterPath arc;
    for (int i = 0; i <= 40; ++i) {
        const double a = from + (to - from) * i / 40.0;
        const QPointF point = centre + QPointF(radius * qCos(a), radius * qSin(a));
        if (i == 0)
            arc.moveTo(point);
        else
            arc.lineTo(point);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(16.0);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath arrow = stroker.createStroke(arc);

    const QPointF tip = centre + QPointF(radius * qCos(to), radius * qSin(to));
    const QPointF tangent(-qSin(to), qCos(to));
    const QPointF normal(qCos(to), qSin(to));
    QPainterPath head;
    head.moveTo(tip + normal * 20.0);
    head.lineTo(tip + tangent * 26.0);
    head.lineTo(tip - normal * 20.0);
    head.closeSubpath();
    arrow = arrow.united(head).simplified();
    arrow.translate(QPointF(kWidth / 2.0, kHeight / 2.0 - 1.5) - arrow.boundingRect().center());

    painter.setPen(Qt::NoPen);
    painter.fillPath(arrow.translated(2.0, 3.0), QColor(0, 0, 0, 110));
    QLinearGradient gold(0, arrow.boundingRect().top(), 0, arrow.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(0xFF, 0xE0, 0x82));
    gold.setColorAt(1.0, QColor(0xE0, 0x9A, 0x1E));
    painter.setPen(QPen(QColor(0x5A, 0x3A, 0x08), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(arrow);
    return image;
}

QImage ArrowPainter::right() {
    return left().mirrored(true, false);
}
