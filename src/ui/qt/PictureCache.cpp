#include "ui/qt/PictureCache.h"

#include "ui/PicturePath.h"

#include <QImageReader>

#include <algorithm>

namespace velmora {

namespace {

// What a picture costs in the budget: its pixels in kilobytes, at least one.
int costKb(qsizetype bytes) {
    return static_cast<int>(std::max<qsizetype>(1, bytes / 1024));
}

} // namespace

PictureCache::PictureCache(std::string appFolder)
    : m_appFolder(std::move(appFolder)), m_images(kImageBudgetKb), m_scaled(kScaledBudgetKb) {}

QImage PictureCache::image(const std::string& gamePath) {
    const std::string path = shown(gamePath);
    const QString key = QString::fromStdString(path);
    if (const QImage* found = m_images.object(key)) return *found;
    QImage loaded;
    const std::string file = resolvePicture(m_appFolder, path);
    if (!file.empty()) {
        QImageReader reader(QString::fromStdString(file));
        reader.setAutoTransform(true);
        const QImage read = reader.read();
        // A picture without transparency (the photographs, the flags) is kept without an alpha
        // channel: drawing it is then a plain copy of rows instead of a blend of every pixel.
        loaded = read.convertToFormat(read.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
    }
    m_images.insert(key, new QImage(loaded), costKb(loaded.sizeInBytes()));
    return loaded;
}

QPixmap PictureCache::scaled(const std::string& gamePath, QSize devicePixels) {
    if (devicePixels.isEmpty()) return {};
    const std::string path = shown(gamePath);
    const QString key = QString::fromStdString(path) + QLatin1Char('@') +
                        QString::number(devicePixels.width()) + QLatin1Char('x') +
                        QString::number(devicePixels.height());
    if (const QPixmap* found = m_scaled.object(key)) return *found;
    const QImage full = image(path);
    if (full.isNull()) return {};
    QPixmap pixmap =
        QPixmap::fromImage(full.size() == devicePixels
                               ? full
                               : full.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_scaled.insert(key, new QPixmap(pixmap),
                    costKb(static_cast<qsizetype>(pixmap.width()) * pixmap.height() * 4));
    return pixmap;
}

} // namespace velmora
