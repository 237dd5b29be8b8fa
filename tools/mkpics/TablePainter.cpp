#include "TablePainter.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace {
float smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}
} // namespace

QColor TablePainter::feltColour() {
    return QColor(0x1F, 0x6E, 0x3C);
}

QImage TablePainter::felt(int width, int height) {
    std::mt19937 random(20240611u);

    // Cloudy patches: three layers of smoothly interpolated value noise, coarse to fine.
    std::vector<float> clouds(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0.0f);
    std::uniform_real_distribution<float> cloudValue(-1.0f, 1.0f);
    for (const auto& [cell, weight] : {std::pair{260, 0.55f}, std::pair{110, 0.30f}, std::pair{45, 0.15f}}) {
        const int cols = width / cell + 2, rows = height / cell + 2;
        std::vector<float> grid(static_cast<std::size_t>(cols * rows));
        for (float& v : grid)
            v = cloudValue(random);
        for (int y = 0; y < height; ++y) {
            const float fy = static_cast<float>(y) / cell;
            const int gy = static_cast<int>(fy);
            const float ty = smooth(fy - gy);
            for (int x = 0; x < width; ++x) {
                const float fx = static_cast<float>(x) / cell;
                const int gx = static_cast<int>(fx);
                const float tx = smooth(fx - gx);
                auto at = [&](int cx, int cy) { return grid[static_cast<std::size_t>(cy * cols + cx)]; };
                const float top = at(gx, gy) + (at(gx + 1, gy) - at(gx, gy)) * tx;
                const float bottom = at(gx, gy + 1) + (at(gx + 1, gy + 1) - at(gx, gy + 1)) * tx;
                clouds[static_cast<std::size_t>(y) * width + x] += weight * (top + (bottom - top) * ty);
            }
        }
    }

    const QColor base = feltColour();
    const double cx = width / 2.0, cy = height / 2.0;
    const double reach = std::sqrt(cx * cx + cy * cy);
    std::normal_distribution<float> grain(0.0f, 3.0f);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / reach;
            const double light = 1.08 - 0.45 * d * d; // vignette: bright centre, darker rim
            const double mottle = clouds[static_cast<std::size_t>(y) * width + x] * 6.0;
            // Woven felt: a faint diagonal thread on top of random grain.
            const double thread = ((x + y) % 4 == 0 ? 1.5 : 0.0) - ((x - y + 4096) % 5 == 0 ? 1.0 : 0.0);
            const double offset = mottle + grain(random) + thread;
            auto channel = [&](int c) {
                return std::clamp(static_cast<int>(c * light + offset * (c / 110.0 + 0.3) + 0.5), 0, 255);
            };
            line[x] = qRgb(channel(base.red()), channel(base.green()), channel(base.blue()));
        }
    }
    return image;
}
