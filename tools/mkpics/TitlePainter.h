#pragma once

#include <QImage>

// The title picture: a fan of cards from the game's decks on the table, with the game's name.
class TitlePainter {
  public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 400;

    static QImage paint();
};
