#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string>

namespace velmora {

// The game's pictures, read once from the application folder and kept at full size, with smoothly
// scaled copies for the sizes they are drawn at (a hand of cards shows the same faces many times).
class PictureCache {
  public:
    explicit PictureCache(std::string appFolder) : m_appFolder(std::move(appFolder)) {}

    // The full-size picture a game path names ("\immagini\uno\dietro.jpg"); a null image when the
    // file is missing or unreadable.
    const QImage& image(const std::string& path);
    // The picture scaled to exactly the given size in device pixels; null when missing.
    QPixmap scaled(const std::string& path, QSize devicePixels);

  private:
    static constexpr int kMaxScaled = 600; // scaled copies kept before the cache starts over

    std::string m_appFolder;
    QHash<QString, QImage> m_images;
    QHash<QString, QPixmap> m_scaled;
};

} // namespace velmora
