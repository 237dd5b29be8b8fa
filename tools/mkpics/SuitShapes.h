#pragma once

#include <QColor>
#include <QPainterPath>
#include <QString>

// The four French suits drawn as vector shapes, so they look the same on every machine
// whatever fonts are installed. Every shape fits the square (-0.5,-0.5)-(0.5,0.5).
class SuitShapes {
  public:
    static QPainterPath heart();
    static QPainterPath diamond();
    static QPainterPath spade();
    static QPainterPath club();

    // Suit by its Italian name ("picche", "cuori", "fiori", "quadri"); empty path when unknown.
    static QPainterPath forSuit(const QString& suit);
    static bool isRed(const QString& suit);
    static QColor inkFor(const QString& suit);
};
