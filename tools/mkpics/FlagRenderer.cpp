#include "FlagRenderer.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

FlagRenderer::FlagRenderer(QString svgDir) : m_svgDir(std::move(svgDir)) {}

QString FlagRenderer::svgPathFor(const QString& key) const {
    const QString lower = key.trimmed().toLower();
    if (lower.isEmpty() || lower.contains('/') || lower.startsWith('.')) return {};
    for (const QString& name : {lower + ".svg", "_" + lower + ".svg"}) {
        const QString path = m_svgDir + '/' + name;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

QImage FlagRenderer::render(const QString& key, bool* found) const {
    const QString path = svgPathFor(key);
    QSvgRenderer svg;
    if (path.isEmpty() || !svg.load(path)) {
        if (found) *found = false;
        return placeholder(key);
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    svg.render(&painter, QRectF(0, 0, kWidth, kHeight));
    // A hairline edge keeps white flags visible on white dialogs.
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0));
    if (found) *found = true;
    return image;
}

QImage FlagRenderer::placeholder(const QString& key) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(0xCF, 0xD2, 0xD6));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x5A, 0x60));
    painter.drawText(QRectF(0, 0, kWidth, kHeight), Qt::AlignCenter, key.left(3).toUpper());
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
    painter.drawRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0));
    return image;
}

QStringList FlagRenderer::keysFromTable(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error) *error = file.errorString();
        return {};
    }
    QTextStream in(&file);
    in.readLine(); // header
    QStringList keys;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString key = line.section('\t', 0, 0).trimmed();
        if (!key.isEmpty() && !key.startsWith('#') && !keys.contains(key)) keys << key;
    }
    return keys;
}
