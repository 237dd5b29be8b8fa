#include "ColourQuantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {
constexpr int kBits = 5;
constexpr int kLevels = 1 << kBits;

int keyOf(int r, int g, int b) {
    return ((r >> 3) << (2 * kBits)) | ((g >> 3) << kBits) | (b >> 3);
}
int channelOf(int key, int axis) {
    return (key >> (kBits * (2 - axis))) & (kLevels - 1);
}
} // namespace

ColourQuantizer::ColourQuantizer(const QImage& source, int maxColours)
    : m_cache(kLevels * kLevels * kLevels, -1) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<Bin> bins(kLevels * kLevels * kLevels);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < kOpaque) continue;
            Bin& bin = bins[keyOf(qRed(line[x]), qGreen(line[x]), qBlue(line[x]))];
            bin.count += 1;
            bin.r += qRed(line[x]);
            bin.g += qGreen(line[x]);
            bin.b += qBlue(line[x]);
        }
    }
    std::vector<Bin> used;
    for (int key = 0; key < static_cast<int>(bins.size()); ++key) {
        if (bins[key].count == 0) continue;
        bins[key].key = key;
        used.push_back(bins[key]);
    }
    if (used.empty()) {
        m_palette.push_back(qRgb(0, 0, 0));
        return;
    }

    // Each box is a range [first, last) of `used`; split the box whose longest side is widest,
    // weighted by how many pixels it holds, at the pixel median along that side.
    struct Box {
        std::size_t first, last;
    };
    std::vector<Box> boxes = {{0, used.size()}};
    auto extent = [&](const Box& box, int& axis) {
        int best = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = kLevels, hi = -1;
            for (std::size_t i = box.first; i < box.last; ++i) {
                lo = std::min(lo, channelOf(used[i].key, a));
                hi = std::max(hi, channelOf(used[i].key, a));
            }
            if (hi - lo > best) {
                best = hi - lo;
                axis = a;
            }
        }
        return best;
    };
    while (static_cast<int>(boxes.size()) < maxColours) {
        int chosen = -1, chosenAxis = 0;
        double chosenScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].last - boxes[i].first < 2) continue;
            int axis = 0;
            const int side = extent(boxes[i], axis);
            double pixels = 0;
            for (std::size_t j = boxes[i].first; j < boxes[i].last; ++j)
                pixels += used[j].count;
            const double score = side * std::sqrt(pixels);
            if (side > 0 && score > chosenScore) {
                chosenScore = score;
                chosen = static_cast<int>(i);
                chosenAxis = axis;
            }
        }
        if (chosen < 0) break;
        Box box = boxes[static_cast<std::size_t>(chosen)];
        std::sort(used.begin() + static_cast<long>(box.first), used.begin() + static_cast<long>(box.last),
                  [&](const Bin& a, const Bin& b) {
                      return channelOf(a.key, chosenAxis) < channelOf(b.key, chosenAxis);
                  });
        double total = 0;
        for (std::size_t j = box.first; j < box.last; ++j)
            total += used[j].count;
        double running = 0;
        std::size_t cut = box.first + 1;
        for (std::size_t j = box.first; j < box.last - 1; ++j) {
            running += used[j].count;
            cut = j + 1;
            if (running >= total / 2) break;
        }
        boxes[static_cast<std::size_t>(chosen)] = {box.first, cut};
        boxes.push_back({cut, box.last});
    }

    for (const Box& box : boxes) {
        double n = 0, r = 0, g = 0, b = 0;
        for (std::size_t j = box.first; j < box.last; ++j) {
            n += used[j].count;
            r += used[j].r;
            g += used[j].g;
            b += used[j].b;
        }
        m_palette.push_back(qRgb(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                                 static_cast<int>(b / n + 0.5)));
    }
}

int ColourQuantizer::nearest(int r, int g, int b) const {
    std::int16_t& cached = m_cache[static_cast<std::size_t>(keyOf(r, g, b))];
    if (cached >= 0) return cached;
    // Look up the centre of the 5-bit cell so the cached answer suits every colour in it.
    const int cr = (r & ~7) + 4, cg = (g & ~7) + 4, cb = (b & ~7) + 4;
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const int dr = qRed(m_palette[i]) - cr, dg = qGreen(m_palette[i]) - cg, db = qBlue(m_palette[i]) - cb;
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    cached = static_cast<std::int16_t>(best);
    return best;
}

std::vector<std::uint8_t> ColourQuantizer::map(const QImage& source, int indexOffset,
                                               int transparentIndex) const {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(image.height()));
    // Error carried to this row and the next, three channels per pixel, with a pixel of margin each side.
    std::vector<float> current(static_cast<std::size_t>(width + 2) * 3, 0.0f);
    std::vector<float> next(current.size(), 0.0f);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::fill(next.begin(), next.end(), 0.0f);
        for (int x = 0; x < width; ++x) {
            std::uint8_t& out = indices[static_cast<std::size_t>(y) * width + x];
            if (qAlpha(line[x]) < kOpaque) {
                out = static_cast<std::uint8_t>(transparentIndex);
                continue;
            }
            const std::array<int, 3> source = {qRed(line[x]), qGreen(line[x]), qBlue(line[x])};
            std::array<int, 3> wanted{};
            for (int c = 0; c < 3; ++c) {
                const float v =
                    static_cast<float>(source[c]) + current[static_cast<std::size_t>(x + 1) * 3 + c];
                wanted[c] = std::clamp(static_cast<int>(v + 0.5f), 0, 255);
            }
            const int index = nearest(wanted[0], wanted[1], wanted[2]);
            out = static_cast<std::uint8_t>(index + indexOffset);
            const QRgb chosen = m_palette[static_cast<std::size_t>(index)];
            const std::array<int, 3> got = {qRed(chosen), qGreen(chosen), qBlue(chosen)};
            for (int c = 0; c < 3; ++c) {
                const float error = static_cast<float>(wanted[c] - got[c]);
                current[static_cast<std::size_t>(x + 2) * 3 + c] += error * 7.0f / 16.0f;
                next[static_cast<std::size_t>(x) * 3 + c] += error * 3.0f / 16.0f;
                next[static_cast<std::size_t>(x + 1) * 3 + c] += error * 5.0f / 16.0f;
                next[static_cast<std::size_t>(x + 2) * 3 + c] += error * 1.0f / 16.0f;
            }
        }
        std::swap(current, next);
    }
    return indices;
}
