#include "IconPainter.h"

#include "SuitShapes.h"
#include "TablePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
// Every shape is laid out on a 256-unit square and scaled to the size asked for.
constexpr double kDesign = 256.0;
constexpr double kCardWidth = 92.0;
constexpr double kCardHeight = 132.0;
const QColor kGold(0xE3, 0xAE, 0x2F);
const QColor kUnoRed(0xE5, 0x39, 0x35);

enum class Face { Uno, Spade, Heart };

// One card turned about a point below the fan, with a shadow, a face and a thin dark edge.
void drawCard(QPainter& painter, Face face, double angle) {
    painter.save();
    painter.translate(128.0, 250.0);
    painter.rotate(angle);
    painter.translate(-kCardWidth / 2.0, -kCardHeight - 50.0);
    const QRectF card(0, 0, kCardWidth, kCardHeight);
    QPainterPath outline;
    outline.addRoundedRect(card, 11, 11);
    painter.fillPath(outline.translated(3, 5), QColor(0, 0, 0, 80));
    painter.fillPath(outline, face == Face::Uno ? kUnoRed : QColor(0xFB, 0xFA, 0xF5));
    // The fan hides the lower right of the cards behind, so the faces are drawn high on the card.
    const QPointF centre(kCardWidth * 0.42, kCardHeight * 0.33);
    if (face == Face::Uno) {
        // The white oval across the middle of an Uno face.
        painter.save();
        painter.translate(centre);
        painter.rotate(35);
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), 24, 40);
        painter.fillPath(oval, Qt::white);
        painter.restore();
    } else {
        const QString suit = face == Face::Spade ? QStringLiteral("picche") : QStringLiteral("cuori");
        QTransform place;
        place.translate(centre.x(), centre.y());
        place.scale(54, 54);
        painter.fillPath(place.map(SuitShapes::forSuit(suit)), SuitShapes::inkFor(suit));
    }
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}
} // namespace

QList<int> IconPainter::sizes() {
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage IconPainter::paint(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kDesign, size / kDesign);

    // The felt, lighter under the lamp in the middle, inside a gold rim.
    const QRectF tile(8, 8, kDesign - 16, kDesign - 16);
    QPainterPath square;
    square.addRoundedRect(tile, 44, 44);
    const QColor felt = TablePainter::feltColour();
    QRadialGradient lamp(tile.center(), tile.width() * 0.7);
    lamp.setColorAt(0.0, felt.lighter(135));
    lamp.setColorAt(1.0, felt.darker(150));
    painter.fillPath(square, lamp);
    painter.setPen(QPen(kGold, 8));
    painter.drawPath(square);

    painter.setClipPath(square);
    drawCard(painter, Face::Uno, -30.0);
    drawCard(painter, Face::Spade, 0.0);
    drawCard(painter, Face::Heart, 30.0);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
