#include "SuitShapes.h"

namespace {
const QColor kRedInk(0xC6, 0x28, 0x28);
const QColor kBlackInk(0x1B, 0x1B, 0x1F);
} // namespace

QPainterPath SuitShapes::heart() {
    QPainterPath path;
    path.moveTo(0.0, 0.46);
    path.cubicTo(-0.12, 0.30, -0.50, 0.08, -0.48, -0.18);
    path.cubicTo(-0.46, -0.50, -0.06, -0.52, 0.0, -0.22);
    path.cubicTo(0.06, -0.52, 0.46, -0.50, 0.48, -0.18);
    path.cubicTo(0.50, 0.08, 0.12, 0.30, 0.0, 0.46);
    path.closeSubpath();
    return path;
}

QPainterPath SuitShapes::diamond() {
    // Slightly hollow sides give the classic playing-card lozenge.
    QPainterPath path;
    path.moveTo(0.0, -0.5);
    path.quadTo(0.16, -0.18, 0.38, 0.0);
    path.quadTo(0.16, 0.18, 0.0, 0.5);
    path.quadTo(-0.16, 0.18, -0.38, 0.0);
    path.quadTo(-0.16, -0.18, 0.0, -0.5);
    path.closeSubpath();
    return path;
}

QPainterPath SuitShapes::spade() {
    QPainterPath path;
    path.moveTo(0.0, -0.5);
    path.cubicTo(0.10, -0.30, 0.50, -0.10, 0.48, 0.14);
    path.cubicTo(0.46, 0.40, 0.12, 0.42, 0.03, 0.20);
    path.cubicTo(0.05, 0.34, 0.12, 0.44, 0.20, 0.50);
    path.lineTo(-0.20, 0.50);
    path.cubicTo(-0.12, 0.44, -0.05, 0.34, -0.03, 0.20);
    path.cubicTo(-0.12, 0.42, -0.46, 0.40, -0.48, 0.14);
    path.cubicTo(-0.50, -0.10, -0.10, -0.30, 0.0, -0.5);
    path.closeSubpath();
    return path;
}

QPainterPath SuitShapes::club() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double r = 0.2;
    path.addEllipse(QPointF(0.0, -0.26), r, r);
    path.addEllipse(QPointF(-0.26, 0.08), r, r);
    path.addEllipse(QPointF(0.26, 0.08), r, r);
    path.addEllipse(QPointF(0.0, 0.0), 0.12, 0.12);
    QPainterPath stem;
    stem.moveTo(-0.04, 0.02);
    stem.cubicTo(-0.04, 0.30, -0.10, 0.42, -0.20, 0.50);
    stem.lineTo(0.20, 0.50);
    stem.cubicTo(0.10, 0.42, 0.04, 0.30, 0.04, 0.02);
    stem.closeSubpath();
    return path.united(stem);
}

QPainterPath SuitShapes::forSuit(const QString& suit) {
    if (suit == QLatin1String("cuori")) return heart();
    if (suit == QLatin1String("quadri")) return diamond();
    if (suit == QLatin1String("picche")) return spade();
    if (suit == QLatin1String("fiori")) return club();
    return {};
}

bool SuitShapes::isRed(const QString& suit) {
    return suit == QLatin1String("cuori") || suit == QLatin1String("quadri");
}

QColor SuitShapes::inkFor(const QString& suit) { return isRed(suit) ? kRedInk : kBlackInk; }
