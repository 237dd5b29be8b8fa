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
    // Built large and scaled down afterwards: joining shapes flattens their curves, and the
    // flattening is only smooth enough when done at a generous size.
    constexpr double kBig = 256.0;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const double r = 0.2 * kBig;
    path.addEllipse(QPointF(0.0, -0.26 * kBig), r, r);
    path.addEllipse(QPointF(-0.26 * kBig, 0.08 * kBig), r, r);
    path.addEllipse(QPointF(0.26 * kBig, 0.08 * kBig), r, r);
    path.addEllipse(QPointF(0.0, 0.0), 0.12 * kBig, 0.12 * kBig);
    QPainterPath stem;
    stem.moveTo(-0.04 * kBig, 0.02 * kBig);
    stem.cubicTo(-0.04 * kBig, 0.30 * kBig, -0.10 * kBig, 0.42 * kBig, -0.20 * kBig, 0.50 * kBig);
    stem.lineTo(0.20 * kBig, 0.50 * kBig);
    stem.cubicTo(0.10 * kBig, 0.42 * kBig, 0.04 * kBig, 0.30 * kBig, 0.04 * kBig, 0.02 * kBig);
    stem.closeSubpath();
    QTransform shrink;
    shrink.scale(1.0 / kBig, 1.0 / kBig);
    return shrink.map(path.united(stem));
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

QColor SuitShapes::inkFor(const QString& suit) {
    return isRed(suit) ? kRedInk : kBlackInk;
}
