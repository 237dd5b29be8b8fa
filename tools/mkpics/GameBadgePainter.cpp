#include "GameBadgePainter.h"

#include "SuitShapes.h"
#include "UnoCardPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kIvory(0xF6, 0xEF, 0xDC);
const QColor kBrass(0xB0, 0x86, 0x3A);
const QColor kShadow(0, 0, 0, 90);

// The token every badge is drawn on, a little shadow below it so it stands off the felt.
void paintToken(QPainter& painter) {
    const double size = GameBadgePainter::kSize;
    const QRectF disc(4.0, 3.0, size - 10.0, size - 10.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawEllipse(disc.translated(2.0, 3.0));
    painter.setPen(QPen(kBrass, 4.0));
    painter.setBrush(kIvory);
    painter.drawEllipse(disc);
}

// A suit filled in its own ink, about half the token across.
void paintSuit(QPainter& painter, const QString& suit) {
    const double size = GameBadgePainter::kSize;
    const double across = size * 0.5;
    QPainterPath shape = SuitShapes::forSuit(suit);
    QTransform place;
    place.translate(size / 2.0 - 1.0, size / 2.0 - 1.5);
    place.scale(across, across);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitShapes::inkFor(suit));
    painter.drawPath(place.map(shape));
}

// A wild Uno card (its four colours say "Uno" at any size), tilted as if just played.
void paintUnoCard(QPainter& painter) {
    const double size = GameBadgePainter::kSize;
    const double scale = size * 0.58 / UnoCardPainter::kHeight;
    painter.save();
    painter.translate(size / 2.0 - 1.0, size / 2.0 - 1.5);
    painter.rotate(-12.0);
    painter.scale(scale, scale);
    painter.translate(-UnoCardPainter::kWidth / 2.0, -UnoCardPainter::kHeight / 2.0);
    UnoCardPainter().paint(painter, QStringLiteral("cambiacolore"));
    painter.restore();
}

} // namespace

QStringList GameBadgePainter::games() {
    return {QStringLiteral("uno"), QStringLiteral("hearts"), QStringLiteral("brisolo")};
}

QImage GameBadgePainter::paint(const QString& game) {
    if (!games().contains(game)) return {};
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintToken(painter);
    if (game == QLatin1String("uno")) {
        paintUnoCard(painter);
    } else if (game == QLatin1String("hearts")) {
        paintSuit(painter, QStringLiteral("cuori"));
    } else {
        paintSuit(painter, QStringLiteral("picche"));
    }
    return image;
}
