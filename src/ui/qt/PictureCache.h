#pragma once

#include <QCache>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>
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

    // Which file the screen draws for a path the game gave (the game may name the design's pictures
    // while the player chose another set); the path itself without one.
    void setShown(std::function<std::string(const std::string&)> shown) { m_shown = std::move(shown); }
    std::string shown(const std::string& path) const { return m_shown ? m_shown(path) : path; }

    // Budgets of the two kinds, in kilobytes of pixels.
    static constexpr int kImageBudgetKb = 24 * 1024;
    static constexpr int kScaledBudgetKb = 24 * 1024;

  private:
    std::string m_appFolder;
    std::function<std::string(const std::string&)> m_shown;
    QCache<QString, QImage> m_images;
    QCache<QString, QPixmap> m_scaled;
};

} // namespace velmora
