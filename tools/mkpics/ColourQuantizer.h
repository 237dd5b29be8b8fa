#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

// Reduces a true-colour picture to a small palette (median cut), then maps every pixel to it with
// Floyd-Steinberg dithering so gradients on the felt do not band.
class ColourQuantizer {
  public:
    // Builds the palette from the pixels of image whose alpha is at least kOpaque; at most maxColours
    // entries.
    ColourQuantizer(const QImage& image, int maxColours);

    static constexpr int kOpaque = 128;

    const std::vector<QRgb>& palette() const { return m_palette; }

    // One palette index per pixel, row by row; pixels below kOpaque get transparentIndex.
    std::vector<std::uint8_t> map(const QImage& image, int indexOffset, int transparentIndex) const;

  private:
    struct Bin {
        int key = 0;
        double count = 0;
        double r = 0, g = 0, b = 0;
    };

    int nearest(int r, int g, int b) const;

    std::vector<QRgb> m_palette;
    mutable std::vector<std::int16_t> m_cache;
};
