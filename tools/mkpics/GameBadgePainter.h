#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The small round badges beside the dashboard's events that tell which game each one is played at:
// an Uno card, a heart for Hearts, a spade for Brisolo, on an ivory token with a brass rim.
class GameBadgePainter {
  public:
    static constexpr int kSize = 96;

    // The games that have a badge, by the file name it is saved under ("uno", "hearts", "brisolo").
    static QStringList games();
    // The badge of a game on a transparent ground; a null image for an unknown game.
    static QImage paint(const QString& game);
};
