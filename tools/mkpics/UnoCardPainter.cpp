#include "UnoCardPainter.h"

#include "CurvedArrow.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace {
const QRectF kCardRect(1.0, 1.0, UnoCardPainter::kWidth - 2.0, UnoCardPainter::kHeight - 2.0);
const QRectF kPanelRect(13.0, 13.0, UnoCardPainter::kWidth - 26.0, UnoCardPainter::kHeight - 26.0);
const QPointF kCentre(UnoCardPainter::kWidth / 2.0, UnoCardPainter::kHeight / 2.0);
const QPointF kCornerCentre(34.0, 42.0);
constexpr double kCardRadius = 16.0;
constexpr double kPanelRadius = 10.0;
constexpr double kOvalTilt = 30.0; // degrees, top of the oval leaning right
constexpr double kOvalRx = 60.0;
constexpr double kOvalRy = 118.0;
const QColor kWildBlack(0x1E, 0x1E, 0x22);
const QColor kInk(0x16, 0x16, 0x18);

const std::array<QString, 4> kColourNames = {"rosso", "giallo", "verde", "blu"};
const std::array<QString, 3> kActionValues = {"piu2", "cambiagiro", "saltaturno"};
const QString kWildColour = QStringLiteral("cambiacolore");
const QString kWildFour = QStringLiteral("piu4");
} // namespace

QStringList UnoCardPainter::faceCodes() {
    QStringList codes;
    for (const QString& colour : kColourNames) {
        for (int value = 0; value <= 9; ++value)
            codes << QString::number(value) + colour;
        for (const QString& action : kActionValues)
            codes << action + colour;
    }
    codes << kWildColour << kWildFour;
    return codes;
}

QColor UnoCardPainter::colourFor(const QString& colourName) {
    if (colourName == QLatin1String("rosso")) return QColor(0xE5, 0x39, 0x35);
    if (colourName == QLatin1String("giallo")) return QColor(0xFD, 0xD8, 0x35);
    if (colourName == QLatin1String("verde")) return QColor(0x43, 0xA0, 0x47);
    if (colourName == QLatin1String("blu")) return QColor(0x1A, 0x89, 0xEE);
    return {};
}

QPainterPath UnoCardPainter::colourSymbol(const QString& colourName) {
    // Four outlines that differ at a glance even in grey and at a few pixels: a point upward, a
    // ring, four points and four arms.
    QPainterPath shape;
    if (colourName == QLatin1String("rosso")) {
        shape.moveTo(0.0, -1.0);
        shape.lineTo(0.95, 0.75);
        shape.lineTo(-0.95, 0.75);
        shape.closeSubpath();
    } else if (colourName == QLatin1String("giallo")) {
        shape.addEllipse(QPointF(0, 0), 0.92, 0.92);
        shape.addEllipse(QPointF(0, 0), 0.45, 0.45); // a ring: its hole sets it apart from the others
        shape.setFillRule(Qt::OddEvenFill);
    } else if (colourName == QLatin1String("verde")) {
        shape.moveTo(0.0, -1.0);
        shape.lineTo(1.0, 0.0);
        shape.lineTo(0.0, 1.0);
        shape.lineTo(-1.0, 0.0);
        shape.closeSubpath();
    } else if (colourName == QLatin1String("blu")) {
        shape.addRect(QRectF(-0.95, -0.34, 1.9, 0.68));
        shape.addRect(QRectF(-0.34, -0.95, 0.68, 1.9));
        shape = shape.simplified();
    }
    return shape;
}

bool UnoCardPainter::parse(const QString& code, Face& face) {
    if (code == kWildColour || code == kWildFour) {
        face.symbol = code == kWildColour ? Symbol::Wild : Symbol::WildDrawFour;
        face.value = code;
        face.colour = kWildBlack;
        return true;
    }
    for (const QString& colour : kColourNames) {
        if (!code.endsWith(colour)) continue;
        face.value = code.left(code.size() - colour.size());
        face.colour = colourFor(colour);
        face.colourName = colour;
        if (face.value.size() == 1 && face.value[0].isDigit())
            face.symbol = Symbol::Number;
        else if (face.value == QLatin1String("piu2"))
            face.symbol = Symbol::DrawTwo;
        else if (face.value == QLatin1String("cambiagiro"))
            face.symbol = Symbol::Reverse;
        else if (face.value == QLatin1String("saltaturno"))
            face.symbol = Symbol::Skip;
        else
            return false;
        return true;
    }
    return false;
}

bool UnoCardPainter::paint(QPainter& painter, const QString& code) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    bool known = true;
    if (code == QLatin1String("dietro")) {
        paintBack(painter);
    } else {
        Face face;
        known = parse(code, face);
        if (known) paintFace(painter, face);
    }
    painter.restore();
    return known;
}

QImage UnoCardPainter::render(const QString& code, const QColor& background) const {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    if (!paint(painter, code)) return {};
    return image;
}

QPainterPath UnoCardPainter::textPath(const QString& text, double pixelSize, const QPointF& centre) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    font.setItalic(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    // The 6 and the 9 are underlined so they can be told apart upside down.
    if (text == QLatin1String("6") || text == QLatin1String("9")) {
        const QRectF glyph = path.boundingRect();
        const double thickness = pixelSize * 0.08;
        path.addRect(QRectF(glyph.left() + glyph.width() * 0.05, glyph.bottom() + thickness * 0.9,
                            glyph.width() * 0.8, thickness));
    }
    path.translate(centre - path.boundingRect().center());
    return path;
}

QPainterPath UnoCardPainter::reverseArrows() {
    // Two arrows chasing each other round a circle: the turn goes the other way.
    CurvedArrow shape;
    shape.radius = 0.30;
    shape.from = qDegreesToRadians(200.0);
    shape.to = qDegreesToRadians(325.0);
    shape.steps = 32;
    shape.width = 0.15;
    shape.tailCap = Qt::FlatCap;
    shape.headHalfWidth = 0.17;
    shape.headLength = 0.22;
    const QPainterPath arrow = shape.path();

    QTransform half;
    half.rotate(180.0);
    return arrow.united(half.map(arrow)).simplified();
}

QPainterPath UnoCardPainter::skipSign() {
    // Built large and scaled down so the joined circles stay round.
    constexpr double kBig = 256.0;
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 0.42 * kBig, 0.42 * kBig);
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 0.29 * kBig, 0.29 * kBig);
    ring = ring.subtracted(hole);
    QPainterPath bar;
    bar.addRect(QRectF(-0.40 * kBig, -0.07 * kBig, 0.80 * kBig, 0.14 * kBig));
    QTransform tilt;
    tilt.rotate(-45.0);
    QTransform shrink;
    shrink.scale(1.0 / kBig, 1.0 / kBig);
    return shrink.map(ring.united(tilt.map(bar)).simplified());
}

void UnoCardPainter::drawInked(QPainter& painter, const QPainterPath& path, const QColor& fill,
                               double outline, double shadow) {
    QPainterPathStroker stroker;
    stroker.setWidth(outline * 2.0);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath outer = stroker.createStroke(path).united(path);
    painter.setPen(Qt::NoPen);
    if (shadow > 0.0) painter.fillPath(outer.translated(shadow * 0.7, shadow), QColor(0, 0, 0, 90));
    painter.fillPath(outer, kInk);
    painter.fillPath(path, fill);
}

void UnoCardPainter::drawMiniCard(QPainter& painter, const QRectF& rect, const QColor& fill, double angle) {
    painter.save();
    painter.translate(rect.center());
    painter.rotate(angle);
    const QRectF local(-rect.width() / 2, -rect.height() / 2, rect.width(), rect.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(local.translated(2.5, 3.5), 6, 6);
    painter.setPen(QPen(kInk, 2.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(local, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(local.adjusted(4, 4, -4, -4), 4, 4);
    painter.restore();
}

void UnoCardPainter::drawFourColourOval(QPainter& painter, const QPointF& centre, double rx, double ry,
                                        double angle) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    QPainterPath oval;
    oval.addEllipse(QPointF(0, 0), rx, ry);
    painter.setClipPath(oval);
    painter.fillRect(QRectF(-rx, -ry, rx, ry), colourFor("rosso"));
    painter.fillRect(QRectF(0, -ry, rx, ry), colourFor("blu"));
    painter.fillRect(QRectF(-rx, 0, rx, ry), colourFor("giallo"));
    painter.fillRect(QRectF(0, 0, rx, ry), colourFor("verde"));
    painter.setClipping(false);
    painter.setPen(QPen(Qt::white, qMax(1.5, rx * 0.06)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), rx, ry);
    painter.restore();
}

void UnoCardPainter::paintFace(QPainter& painter, const Face& face) const {
    painter.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kCardRect, kCardRadius, kCardRadius);

    QLinearGradient shade(kPanelRect.topLeft(), kPanelRect.bottomRight());
    shade.setColorAt(0.0, face.colour.lighter(112));
    shade.setColorAt(1.0, face.colour.darker(110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(kPanelRect, kPanelRadius, kPanelRadius);

    if (face.symbol == Symbol::Wild) {
        drawFourColourOval(painter, kCentre, kOvalRx, kOvalRy, kOvalTilt);
    } else {
        painter.save();
        painter.translate(kCentre);
        painter.rotate(kOvalTilt);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(0, 0), kOvalRx, kOvalRy);
        painter.restore();
    }
    paintCentre(painter, face);

    paintCorner(painter, face);
    painter.save();
    painter.translate(kWidth, kHeight);
    painter.rotate(180.0);
    paintCorner(painter, face);
    painter.restore();
}

void UnoCardPainter::paintCentre(QPainter& painter, const Face& face) const {
    QTransform toCentre;
    toCentre.translate(kCentre.x(), kCentre.y());
    switch (face.symbol) {
    case Symbol::Number:
        drawInked(painter, textPath(face.value, 118, kCentre), face.colour, 4.0, 5.0);
        break;
    case Symbol::DrawTwo:
        drawMiniCard(painter, QRectF(kCentre.x() - 44, kCentre.y() - 32, 52, 76), face.colour, -8);
        drawMiniCard(painter, QRectF(kCentre.x() - 8, kCentre.y() - 44, 52, 76), face.colour, -8);
        break;
    case Symbol::Reverse: {
        QTransform t = toCentre;
        t.rotate(-30.0);
        t.scale(150, 150);
        drawInked(painter, t.map(reverseArrows()), face.colour, 3.5, 4.0);
        break;
    }
    case Symbol::Skip: {
        QTransform t = toCentre;
        t.scale(120, 120);
        drawInked(painter, t.map(skipSign()), face.colour, 3.5, 4.0);
        break;
    }
    case Symbol::Wild:
        break;
    case Symbol::WildDrawFour:
        drawMiniCard(painter, QRectF(kCentre.x() - 20, kCentre.y() - 74, 40, 58), colourFor("blu"), 0);
        drawMiniCard(painter, QRectF(kCentre.x() - 50, kCentre.y() - 30, 40, 58), colourFor("giallo"), 0);
        drawMiniCard(painter, QRectF(kCentre.x() + 10, kCentre.y() - 28, 40, 58), colourFor("verde"), 0);
        drawMiniCard(painter, QRectF(kCentre.x() - 20, kCentre.y() + 14, 40, 58), colourFor("rosso"), 0);
        break;
    }
}

void UnoCardPainter::paintCorner(QPainter& painter, const Face& face) const {
    QTransform toCorner;
    toCorner.translate(kCornerCentre.x(), kCornerCentre.y());
    switch (face.symbol) {
    case Symbol::Number:
        drawInked(painter, textPath(face.value, 40, kCornerCentre), Qt::white, 2.0, 0.0);
        break;
    case Symbol::DrawTwo:
        drawInked(painter, textPath("+2", 30, kCornerCentre), Qt::white, 2.0, 0.0);
        break;
    case Symbol::WildDrawFour:
        drawInked(painter, textPath("+4", 30, kCornerCentre), Qt::white, 2.0, 0.0);
        break;
    case Symbol::Reverse: {
        QTransform t = toCorner;
        t.rotate(-30.0);
        t.scale(46, 46);
        drawInked(painter, t.map(reverseArrows()), Qt::white, 1.6, 0.0);
        break;
    }
    case Symbol::Skip: {
        QTransform t = toCorner;
        t.scale(38, 38);
        drawInked(painter, t.map(skipSign()), Qt::white, 1.6, 0.0);
        break;
    }
    case Symbol::Wild:
        drawFourColourOval(painter, kCornerCentre, 10, 19, kOvalTilt);
        break;
    }
    if (m_symbols && !face.colourName.isEmpty()) {
        QTransform t;
        t.translate(kSymbolX, kSymbolY);
        t.scale(kSymbolRadius - 2.0, kSymbolRadius - 2.0); // the ink rim fills the rest
        drawInked(painter, t.map(colourSymbol(face.colourName)), Qt::white, 2.0, 0.0);
    }
}

void UnoCardPainter::paintBack(QPainter& painter) const {
    painter.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(kCardRect, kCardRadius, kCardRadius);

    QRadialGradient dark(kCentre, kPanelRect.height() * 0.6);
    dark.setColorAt(0.0, QColor(0x3A, 0x3A, 0x40));
    dark.setColorAt(1.0, QColor(0x10, 0x10, 0x12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark);
    painter.drawRoundedRect(kPanelRect, kPanelRadius, kPanelRadius);

    // The emblem: a red oval with a gold rim, a four-colour star and the game's name across it.
    painter.save();
    painter.translate(kCentre);
    painter.rotate(kOvalTilt);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawEllipse(QPointF(3, 4), kOvalRx + 4, kOvalRy + 4);
    QRadialGradient red(QPointF(-10, -30), kOvalRy);
    red.setColorAt(0.0, colourFor("rosso").lighter(120));
    red.setColorAt(1.0, colourFor("rosso").darker(125));
    painter.setBrush(red);
    painter.setPen(QPen(QColor(0xF2, 0xC1, 0x4E), 4.0));
    painter.drawEllipse(QPointF(0, 0), kOvalRx, kOvalRy);
    painter.restore();

    const std::array<QString, 4> starColours = {"rosso", "giallo", "verde", "blu"};
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(kCentre.x(), kCentre.y() + 62);
        painter.rotate(i * 90.0 + 45.0);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.lineTo(-7, -10);
        petal.lineTo(0, -24);
        petal.lineTo(7, -10);
        petal.closeSubpath();
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(colourFor(starColours[static_cast<size_t>(i)]));
        painter.drawPath(petal);
        painter.restore();
    }

    QPainterPath name = textPath(QStringLiteral("VELMORA"), 31, QPointF(0, 0));
    QTransform slant;
    slant.translate(kCentre.x(), kCentre.y() - 8);
    slant.rotate(-22.0);
    drawInked(painter, slant.map(name), QColor(0xFD, 0xD8, 0x35), 2.5, 4.0);
}
