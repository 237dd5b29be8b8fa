#include "TitlePainter.h"

#include "FrenchCardPainter.h"
#include "TablePainter.h"
#include "UnoCardPainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <array>

namespace {
struct FannedCard {
    bool uno;
    const char* code;
    double angle;
};

// Draws one card of the fan, turned about a point well below the fan, with a soft shadow under it.
template <typename Painter>
void drawFanned(QPainter& painter, const Painter& cards, const QString& code, double angle) {
    constexpr double kScale = 0.76;
    const QPointF pivot(TitlePainter::kWidth / 2.0, 480.0);
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    painter.translate(-Painter::kWidth * kScale / 2.0, -445.0);
    painter.scale(kScale, kScale);
    painter.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 22));
        painter.drawRoundedRect(QRectF(4 - i, 6 - i, Painter::kWidth + 2 * i, Painter::kHeight + 2 * i),
                                16 + i, 16 + i);
    }
    cards.paint(painter, code);
    painter.restore();
}
} // namespace

QImage TitlePainter::paint() {
    QImage image = TablePainter::felt(kWidth, kHeight).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const UnoCardPainter uno;
    const FrenchCardPainter french;
    const std::array<FannedCard, 5> fan = {{{false, "14picche", -30.0},
                                            {true, "7rosso", -15.0},
                                            {false, "13cuori", 0.0},
                                            {true, "cambiacolore", 15.0},
                                            {false, "14quadri", 30.0}}};
    for (const FannedCard& card : fan) {
        if (card.uno)
            drawFanned(painter, uno, QString::fromLatin1(card.code), card.angle);
        else
            drawFanned(painter, french, QString::fromLatin1(card.code), card.angle);
    }

    // The name on a dark ribbon across the foot of the fan.
    const QRectF ribbon(0, 300, kWidth, 76);
    QLinearGradient band(ribbon.topLeft(), ribbon.bottomLeft());
    band.setColorAt(0.0, QColor(0x0B, 0x24, 0x14, 215));
    band.setColorAt(1.0, QColor(0x06, 0x16, 0x0C, 235));
    painter.fillRect(ribbon, band);
    painter.fillRect(QRectF(0, ribbon.top(), kWidth, 2), QColor(0xE3, 0xAE, 0x2F));
    painter.fillRect(QRectF(0, ribbon.bottom() - 2, kWidth, 2), QColor(0xE3, 0xAE, 0x2F));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(50);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("VELMORA"));
    name.translate(ribbon.center() - name.boundingRect().center());
    QPainterPathStroker stroker;
    stroker.setWidth(5.0);
    stroker.setJoinStyle(Qt::RoundJoin);
    painter.fillPath(stroker.createStroke(name).united(name).translated(2, 3), QColor(0, 0, 0, 140));
    QLinearGradient gold(0, name.boundingRect().top(), 0, name.boundingRect().bottom());
    gold.setColorAt(0.0, QColor(0xFF, 0xEB, 0xA0));
    gold.setColorAt(0.55, QColor(0xF0, 0xBE, 0x3C));
    gold.setColorAt(1.0, QColor(0xB8, 0x7A, 0x10));
    painter.fillPath(name, gold);
    painter.setPen(QPen(QColor(0x4A, 0x30, 0x06), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(name);
    return image;
}
