#include "ArrowPainter.h"

#include "CurvedArrow.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

QImage ArrowPainter::left() {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The arc runs clockwise along the bottom of a circle, from the right side to the left.
    CurvedArrow shape;
    shape.centre = QPointF(kWidth / 2.0, 18.0);
    shape.radius = 52.0;
    shape.from = qDegreesToRadians(20.0);
    shape.to = qDegreesToRadians(150.0);
    shape.steps = 40;
    shape.width = 16.0;
    shape.tailCap = Qt::RoundCap;
    shape.headHalfWidth = 20.0;
    shape.headLength = 26.0;
    QPainterPath arrow = shape.path().simplified();
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
