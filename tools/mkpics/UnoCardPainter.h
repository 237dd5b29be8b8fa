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
//
// A painter made with colour symbols draws the set for players who tell colours apart poorly: each
// face of a colour also carries that colour's shape under its corner index (rosso a triangle,
// giallo a ring, verde a diamond, blu a cross), and nothing else differs.
class UnoCardPainter {
  public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 300;
    // Where the top corner's symbol is centred and how far it reaches (pixels of the card); the
    // bottom corner's is the same turned half round.
    static constexpr double kSymbolX = 34.0, kSymbolY = 86.0, kSymbolRadius = 21.0;

    explicit UnoCardPainter(bool colourSymbols = false) : m_symbols(colourSymbols) {}
    // The shape of a colour, centred on the origin within a radius of 1.
    static QPainterPath colourSymbol(const QString& colourName);

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
        QString colourName; // empty for the wild cards
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

    bool m_symbols = false;
};
