#include "ui/qt/DesignScale.h"

#include <algorithm>
#include <cmath>

namespace velmora {

QSize DesignScale::designPixels() {
    return {static_cast<int>(kDesignWidth / kTwipsPerPixel),
            static_cast<int>(kDesignHeight / kTwipsPerPixel)};
}

QSize DesignScale::startSize(QSize available) {
    const double width = available.width() * 0.9;
    const double height = available.height() * 0.9;
    const double ratio = static_cast<double>(kDesignWidth) / kDesignHeight;
    if (width / height > ratio)
        return {static_cast<int>(std::lround(height * ratio)), static_cast<int>(height)};
    return {static_cast<int>(width), static_cast<int>(std::lround(width / ratio))};
}

void DesignScale::fit(QSize area) {
    const double designWidth = kDesignWidth / kTwipsPerPixel;
    const double designHeight = kDesignHeight / kTwipsPerPixel;
    m_factor = std::max(0.01, std::min(area.width() / designWidth, area.height() / designHeight));
    const int width = std::min(area.width(), static_cast<int>(std::lround(designWidth * m_factor)));
    const int height = std::min(area.height(), static_cast<int>(std::lround(designHeight * m_factor)));
    m_stage = QRect((area.width() - width) / 2, (area.height() - height) / 2, width, height);
}

int DesignScale::pixels(int twips) const {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel * m_factor));
}

QRect DesignScale::map(int left, int top, int width, int height) const {
    const int x0 = pixels(left);
    const int y0 = pixels(top);
    const int x1 = pixels(left + std::max(0, width));
    const int y1 = pixels(top + std::max(0, height));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

} // namespace velmora
