#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

class QPainter;

// Draws the 52-card French deck. A face code is the value (2..10, 11 jack, 12 queen, 13 king, 14 ace)
// followed by the suit ("2cuori", "14picche", "11quadri"); "dietro" is the back.
class FrenchCardPainter {
  public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 300;

    static QStringList faceCodes();

    // Draws the card into (0,0)-(kWidth,kHeight); what lies outside the rounded border is left untouched.
    // Returns false for an unknown code.
    bool paint(QPainter& painter, const QString& code) const;
    QImage render(const QString& code, const QColor& background) const;

  private:
    static bool parse(const QString& code, int& value, QString& suit);
    static QString rankLabel(int value);
    static QPainterPath headgear(int value);
    static void drawSuit(QPainter& painter, const QString& suit, const QPointF& centre, double size,
                         bool upsideDown = false);

    void paintFace(QPainter& painter, int value, const QString& suit) const;
    void paintCorner(QPainter& painter, int value, const QString& suit) const;
    void paintPips(QPainter& painter, int value, const QString& suit) const;
    void paintCourt(QPainter& painter, int value, const QString& suit) const;
    void paintBack(QPainter& painter) const;
};
