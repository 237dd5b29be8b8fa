#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

class QPainter;

// Draws the Uno faces and back. A face code is the value followed by the colour ("7rosso",
// "piu2verde", "saltaturnoblu"); the two wild cards are the value alone ("cambiacolore", "piu4");
// "dietro" is the back.
class UnoCardPainter {
  public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 300;

    static QStringList faceCodes();
    static QColor colourFor(const QString& colourName);

    // Draws the card into (0,0)-(kWidth,kHeight); what lies outside the rounded border is left untouched.
    // Returns false for an unknown code.
    bool paint(QPainter& painter, const QString& code) const;
    QImage render(const QString& code, const QColor& background) const;

  private:
    enum class Symbol { Number, DrawTwo, Reverse, Skip, Wild, WildDrawFour };
    struct Face {
        Symbol symbol = Symbol::Number;
        QString value;
        QColor colour;
    };

    static bool parse(const QString& code, Face& face);
    static QPainterPath textPath(const QString& text, double pixelSize, const QPointF& centre);
    static QPainterPath reverseArrows();
    static QPainterPath skipSign();
    static void drawInked(QPainter& painter, const QPainterPath& path, const QColor& fill, double outline,
                          double shadow);
    static void drawMiniCard(QPainter& painter, const QRectF& rect, const QColor& fill, double angle);
    static void drawFourColourOval(QPainter& painter, const QPointF& centre, double rx, double ry,
                                   double angle);

    void paintFace(QPainter& painter, const Face& face) const;
    void paintCentre(QPainter& painter, const Face& face) const;
    void paintCorner(QPainter& painter, const Face& face) const;
    void paintBack(QPainter& painter) const;
};
