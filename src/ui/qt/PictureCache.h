#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>

namespace velmora {

// The game's pictures, read from the application folder, with smoothly scaled copies for the sizes
// they are drawn at (a hand of cards shows the same faces many times). Both kinds are kept within a
// fixed memory budget, the least recently used going first: a long session meets every flag of the
// world and every card face, and keeping them all at full size grew without need.
class PictureCache {
  public:
    explicit PictureCache(std::string appFolder);

    // The full-size picture a game path names ("\immagini\uno\dietro.jpg"); a null image when the
    // file is missing or unreadable.
    QImage image(const std::string& path);
    // The picture scaled to exactly the given size in device pixels; null when missing.
    QPixmap scaled(const std::string& path, QSize devicePixels);

    // Budgets of the two kinds, in kilobytes of pixels.
    static constexpr int kImageBudgetKb = 24 * 1024;
    static constexpr int kScaledBudgetKb = 24 * 1024;

  private:
    std::string m_appFolder;
    QCache<QString, QImage> m_images;
    QCache<QString, QPixmap> m_scaled;
};

} // namespace velmora
