#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Saves a picture as a single-frame GIF89a through giflib (Qt reads GIF but cannot write it).
class GifWriter {
  public:
    // Pixels at least half opaque are blended over matte (so soft edges fade into the colour the
    // picture will be shown on) and reduced to at most 255 colours; the rest become transparent.
    // A picture with no transparent pixel gets the full 256 colours and no transparency.
    static bool write(const QImage& image, const QString& path, const QColor& matte,
                      QString* error = nullptr);
};
