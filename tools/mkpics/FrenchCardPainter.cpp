#include "FrenchCardPainter.h"

#include "SuitShapes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <vector>

namespace {
const QRectF kCardRect(1.0, 1.0, FrenchCardPainter::kWidth - 2.0, FrenchCardPainter::kHeight - 2.0);
constexpr double kCardRadius = 14.0;
const std::array<QString, 4> kSuits = {"picche", "cuori", "fiori", "quadri"};
const QColor kGold(0xE3, 0xAE, 0x2F);
const QColor kGoldInk(0x7A, 0x55, 0x10);

// Pip columns and rows, as on a printed deck: four evenly spaced rows, the middle row, and the
// extra pips of the 7 to 10 halfway between rows.
constexpr double kLeft = 62.0;
constexpr double kMid = 100.0;
constexpr double kRight = 138.0;
constexpr double kRow1 = 64.0;
constexpr double kRow4 = 236.0;
constexpr double kRowStep = (kRow4 - kRow1) / 3.0;
constexpr double kRow2 = kRow1 + kRowStep;
constexpr double kRow3 = kRow4 - kRowStep;
constexpr double kCentreRow = 150.0;
constexpr double kPipSize = 36.0;

std::vector<QPointF> pipLayout(int value) {
    const QPointF top(kMid, kRow1), bottom(kMid, kRow4), centre(kMid, kCentreRow);
    const std::vector<QPointF> corners = {{kLeft, kRow1}, {kRight, kRow1}, {kLeft, kRow4}, {kRight, kRow4}};
    std::vector<QPointF> pips;
    switch (value) {
    case 2:
        return {top, bottom};
    case 3:
        return {top, centre, bottom};
    case 4:
        return corners;
    case 5:
        pips = corners;
        pips.push_back(centre);
        return pips;
    case 6:
    case 7:
    case 8:
        pips = corners;
        pips.push_back({kLeft, kCentreRow});
        pips.push_back({kRight, kCentreRow});
        if (value >= 7) pips.push_back({kMid, (kRow1 + kCentreRow) / 2});
        if (value == 8) pips.push_back({kMid, (kRow4 + kCentreRow) / 2});
        return pips;
    case 9:
    case 10:
        pips = corners;
        for (double x : {kLeft, kRight})
            for (double y : {kRow2, kRow3})
                pips.push_back({x, y});
        pips.push_back({kMid, (kRow1 + kRow2) / 2});
        if (value == 10) pips.push_back({kMid, (kRow3 + kRow4) / 2});
        return pips;
    default:
        return {};
    }
}

QFont rankFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}
} // namespace

QStringList FrenchCardPainter::faceCodes() {
    QStringList codes;
    for (const QString& suit : kSuits)
        for (int value = 2; value <= 14; ++value)
            codes << QString::number(value) + suit;
    return codes;
}

bool FrenchCardPainter::parse(const QString& code, int& value, QString& suit) {
    for (const QString& candidate : kSuits) {
        if (!code.endsWith(candidate)) continue;
        bool ok = false;
        value = code.left(code.size() - candidate.size()).toInt(&ok);
        suit = candidate;
        return ok && value >= 2 && value <= 14;
    }
    return false;
}

QString FrenchCardPainter::rankLabel(int value) {
    switch (value) {
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("D");
    case 13:
        return QStringLiteral("K");
    case 14:
        return QStringLiteral("A");
    default:
        return QString::number(value);
    }
}

bool FrenchCardPainter::paint(QPainter& painter, const QString& code) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    if (code == QLatin1String("dietro")) {
        paintBack(painter);
    } else {
        int value = 0;
        QString suit;
        known = parse(code, value, suit);
        if (known) paintFace(painter, value, suit);
    }
    painter.restore();
    return known;
}

QImage FrenchCardPainter::render(const QString& code, const QColor& background) const {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    if (!paint(painter, code)) return {};
    return image;
}

void FrenchCardPainter::drawSuit(QPainter& painter, const QString& suit, const QPointF& centre, double size,
                                 bool upsideDown) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (upsideDown) t.rotate(180.0);
    t.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.fillPath(t.map(SuitShapes::forSuit(suit)), SuitShapes::inkFor(suit));
}

void FrenchCardPainter::paintFace(QPainter& painter, int value, const QString& suit) const {
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFD));
    paper.setColorAt(1.0, QColor(0xF3, 0xF1, 0xEA));
    painter.setPen(QPen(QColor(0x9E, 0x9E, 0x9E), 1.5));
    painter.setBrush(paper);
    painter.drawRoundedRect(kCardRect, kCardRadius, kCardRadius);

    if (value == 14) {
        drawSuit(painter, suit, QPointF(kMid, kCentreRow), 112);
    } else if (value >= 11) {
        paintCourt(painter, value, suit);
    } else {
        paintPips(painter, value, suit);
    }

    paintCorner(painter, value, suit);
    painter.save();
    painter.translate(kWidth, kHeight);
    painter.rotate(180.0);
    paintCorner(painter, value, suit);
    painter.restore();
}

void FrenchCardPainter::paintCorner(QPainter& painter, int value, const QString& suit) const {
    const QString label = rankLabel(value);
    QFont font = rankFont(value == 10 ? 26 : 30);
    if (value == 10) font.setStretch(QFont::Condensed);
    QPainterPath text;
    text.addText(0, 0, font, label);
    text.translate(QPointF(21, 30) - text.boundingRect().center());
    painter.setPen(Qt::NoPen);
    painter.fillPath(text, SuitShapes::inkFor(suit));
    drawSuit(painter, suit, QPointF(21, 58), 20);
}

void FrenchCardPainter::paintPips(QPainter& painter, int value, const QString& suit) const {
    for (const QPointF& pip : pipLayout(value))
        drawSuit(painter, suit, pip, kPipSize, pip.y() > kCentreRow + 1);
}

QPainterPath FrenchCardPainter::headgear(int value) {
    QPainterPath path;
    if (value == 13) { // king: a three-pointed crown with pearls on the tips
        path.moveTo(-0.5, 0.35);
        path.lineTo(-0.5, -0.15);
        path.lineTo(-0.25, 0.1);
        path.lineTo(0.0, -0.3);
        path.lineTo(0.25, 0.1);
        path.lineTo(0.5, -0.15);
        path.lineTo(0.5, 0.35);
        path.closeSubpath();
        path.addEllipse(QPointF(-0.5, -0.2), 0.08, 0.08);
        path.addEllipse(QPointF(0.0, -0.36), 0.09, 0.09);
        path.addEllipse(QPointF(0.5, -0.2), 0.08, 0.08);
    } else if (value == 12) { // queen: a low coronet of five pearl-tipped points
        path.moveTo(-0.5, 0.35);
        path.lineTo(-0.5, 0.05);
        const double peaks[5][2] = {{-0.4, -0.12}, {-0.2, -0.2}, {0.0, -0.3}, {0.2, -0.2}, {0.4, -0.12}};
        for (int i = 0; i < 5; ++i) {
            path.lineTo(peaks[i][0], peaks[i][1]);
            path.lineTo(peaks[i][0] + 0.1, 0.05);
        }
        path.lineTo(0.5, 0.35);
        path.closeSubpath();
        for (const auto& peak : peaks)
            path.addEllipse(QPointF(peak[0], peak[1] - 0.04), 0.06, 0.06);
    } else { // jack: a flat beret with a long feather
        path.addEllipse(QPointF(0.0, 0.22), 0.5, 0.14);
        path.moveTo(-0.38, 0.22);
        path.cubicTo(-0.38, -0.12, 0.38, -0.12, 0.38, 0.22);
        path.closeSubpath();
        path.moveTo(0.12, 0.02);
        path.cubicTo(0.25, -0.3, 0.5, -0.45, 0.62, -0.5);
        path.cubicTo(0.52, -0.3, 0.4, -0.05, 0.24, 0.08);
        path.closeSubpath();
    }
    // Overlapping parts (pearls on the tips, the beret's brim) keep their own outline on purpose.
    path.setFillRule(Qt::WindingFill);
    return path;
}

void FrenchCardPainter::paintCourt(QPainter& painter, int value, const QString& suit) const {
    const QColor ink = SuitShapes::inkFor(suit);
    const QRectF frame(40, 44, 120, 212);

    QLinearGradient wash(frame.topLeft(), frame.bottomRight());
    wash.setColorAt(0.0, SuitShapes::isRed(suit) ? QColor(0xFD, 0xEC, 0xE6) : QColor(0xE9, 0xEE, 0xF6));
    wash.setColorAt(1.0, QColor(0xFB, 0xF3, 0xDC));
    painter.setBrush(wash);
    painter.setPen(QPen(ink, 2.0));
    painter.drawRoundedRect(frame, 6, 6);
    painter.setPen(QPen(kGold, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame.adjusted(5, 5, -5, -5), 4, 4);

    // The figure's headgear over the big letter, the suit at its feet.
    QTransform crown;
    crown.translate(kMid, 84);
    crown.scale(70, 48);
    painter.setPen(QPen(kGoldInk, 1.5));
    painter.setBrush(kGold);
    painter.drawPath(crown.map(headgear(value)));
    drawSuit(painter, suit, QPointF(kMid, 91), 15);

    QPainterPath letter;
    letter.addText(0, 0, rankFont(84), rankLabel(value));
    letter.translate(QPointF(kMid, 158) - letter.boundingRect().center());
    painter.setPen(Qt::NoPen);
    painter.fillPath(letter.translated(2, 3), QColor(0, 0, 0, 40));
    painter.fillPath(letter, ink);

    painter.setPen(QPen(kGold, 1.5));
    painter.drawLine(QPointF(frame.left() + 14, 206), QPointF(frame.right() - 14, 206));
    drawSuit(painter, suit, QPointF(kMid, 228), 34);
    drawSuit(painter, suit, QPointF(frame.left() + 22, 228), 16);
    drawSuit(painter, suit, QPointF(frame.right() - 22, 228), 16);
}

void FrenchCardPainter::paintBack(QPainter& painter) const {
    painter.setPen(QPen(QColor(0x9E, 0x9E, 0x9E), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kCardRect, kCardRadius, kCardRadius);

    const QRectF panel = kCardRect.adjusted(10, 10, -10, -10);
    const QColor navy(0x1C, 0x3D, 0x8C);
    QRadialGradient blue(panel.center(), panel.height() * 0.65);
    blue.setColorAt(0.0, navy.lighter(125));
    blue.setColorAt(1.0, navy.darker(125));
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    painter.drawRoundedRect(panel, 8, 8);

    // A fine diagonal lattice, as on a printed back.
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(panel, 8, 8);
    painter.setClipPath(clip);
    painter.setPen(QPen(QColor(255, 255, 255, 55), 1.2));
    for (double d = -kHeight; d < kWidth + kHeight; d += 14.0) {
        painter.drawLine(QPointF(d, 0), QPointF(d + kHeight, kHeight));
        painter.drawLine(QPointF(d, kHeight), QPointF(d + kHeight, 0));
    }
    painter.restore();

    painter.setPen(QPen(QColor(0xF5, 0xE6, 0xB8), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(panel.adjusted(7, 7, -7, -7), 6, 6);

    // Medallion with the four suits.
    const QPointF centre = panel.center();
    QRadialGradient cream(centre, 52);
    cream.setColorAt(0.0, QColor(0xFF, 0xFB, 0xEE));
    cream.setColorAt(1.0, QColor(0xEE, 0xE0, 0xB8));
    painter.setBrush(cream);
    painter.setPen(QPen(kGold, 4.0));
    painter.drawEllipse(centre, 50, 50);
    drawSuit(painter, "picche", centre + QPointF(0, -22), 30);
    drawSuit(painter, "cuori", centre + QPointF(22, 0), 30);
    drawSuit(painter, "fiori", centre + QPointF(0, 22), 30);
    drawSuit(painter, "quadri", centre + QPointF(-22, 0), 30);
}
