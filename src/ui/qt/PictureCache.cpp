#include "ui/qt/PictureCache.h"

#include "ui/PicturePath.h"

#include <QImageReader>

namespace velmora {

const QImage& PictureCache::image(const std::string& path) {
    const QString key = QString::fromStdString(path);
    auto found = m_images.constFind(key);
    if (found != m_images.constEnd()) return *found;
    QImage loaded;
    const std::string file = resolvePicture(m_appFolder, path);
    if (!file.empty()) {
        QImageReader reader(QString::fromStdString(file));
        reader.setAutoTransform(true);
        loaded = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return *m_images.insert(key, loaded);
}

QPixmap PictureCache::scaled(const std::string& path, QSize devicePixels) {
    if (devicePixels.isEmpty()) return {};
    const QString key = QString::fromStdString(path) + QLatin1Char('@') +
                        QString::number(devicePixels.width()) + QLatin1Char('x') +
                        QString::number(devicePixels.height());
    auto found = m_scaled.constFind(key);
    if (found != m_scaled.constEnd()) return *found;
    const QImage& full = image(path);
    if (full.isNull()) return {};
    if (m_scaled.size() >= kMaxScaled) m_scaled.clear();
    QPixmap pixmap =
        QPixmap::fromImage(full.size() == devicePixels
                               ? full
                               : full.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.insert(key, pixmap);
    return pixmap;
}

} // namespace velmora
