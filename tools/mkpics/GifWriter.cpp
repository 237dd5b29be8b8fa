#include "GifWriter.h"

#include "ColourQuantizer.h"

#include <QFile>

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <vector>

namespace {
constexpr int kPaletteSize = 256;

bool fail(GifFileType* gif, const QString& path, QString* error, const QString& what) {
    int code = 0;
    if (gif) EGifCloseFile(gif, &code);
    QFile::remove(path);
    if (error) *error = what;
    return false;
}

// Blends the visible pixels over the matte and makes the others fully transparent.
QImage flatten(const QImage& image, const QColor& matte, bool& anyTransparent) {
    QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    anyTransparent = false;
    for (int y = 0; y < flat.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a < ColourQuantizer::kOpaque) {
                line[x] = qRgba(0, 0, 0, 0);
                anyTransparent = true;
                continue;
            }
            auto blend = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            line[x] = qRgb(blend(qRed(line[x]), matte.red()), blend(qGreen(line[x]), matte.green()),
                           blend(qBlue(line[x]), matte.blue()));
        }
    }
    return flat;
}
} // namespace

bool GifWriter::write(const QImage& image, const QString& path, const QColor& matte, QString* error) {
    if (image.isNull()) {
        if (error) *error = QStringLiteral("empty picture");
        return false;
    }
    bool transparent = false;
    const QImage flat = flatten(image, matte, transparent);
    // Index 0 is kept for the transparent pixels when there are any.
    const int offset = transparent ? 1 : 0;
    const ColourQuantizer quantizer(flat, kPaletteSize - offset);
    std::vector<std::uint8_t> pixels = quantizer.map(flat, offset, 0);

    ColorMapObject* map = GifMakeMapObject(kPaletteSize, nullptr);
    if (!map) {
        if (error) *error = QStringLiteral("out of memory");
        return false;
    }
    for (int i = 0; i < kPaletteSize; ++i) {
        const int source = i - offset;
        const bool real = source >= 0 && source < static_cast<int>(quantizer.palette().size());
        const QRgb rgb = real ? quantizer.palette()[static_cast<std::size_t>(source)] : matte.rgb();
        map->Colors[i] = {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
                          static_cast<GifByteType>(qBlue(rgb))};
    }

    int code = 0;
    const QByteArray fileName = QFile::encodeName(path);
    // Opened here rather than by giflib so the file gets the usual permissions (giflib makes it private).
    const int fd = ::open(fileName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) {
        GifFreeMapObject(map);
        if (error) *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    GifFileType* gif = EGifOpenFileHandle(fd, &code);
    if (!gif) {
        ::close(fd);
        GifFreeMapObject(map);
        QFile::remove(path);
        if (error) *error = QString::fromLatin1(GifErrorString(code));
        return false;
    }
    EGifSetGifVersion(gif, true);
    const bool described = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK;
    GifFreeMapObject(map); // giflib keeps its own copy
    if (!described) return fail(gif, path, error, QString::fromLatin1(GifErrorString(gif->Error)));

    if (transparent) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.UserInputFlag = false;
        control.DelayTime = 0;
        control.TransparentColor = 0;
        GifByteType extension[4];
        const auto length = static_cast<int>(EGifGCBToExtension(&control, extension));
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) != GIF_OK)
            return fail(gif, path, error, QString::fromLatin1(GifErrorString(gif->Error)));
    }
    if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) != GIF_OK)
        return fail(gif, path, error, QString::fromLatin1(GifErrorString(gif->Error)));
    for (int y = 0; y < image.height(); ++y) {
        GifPixelType* row =
            pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width());
        if (EGifPutLine(gif, row, image.width()) != GIF_OK)
            return fail(gif, path, error, QString::fromLatin1(GifErrorString(gif->Error)));
    }
    if (EGifCloseFile(gif, &code) != GIF_OK) {
        QFile::remove(path);
        if (error) *error = QString::fromLatin1(GifErrorString(code));
        return false;
    }
    return true;
}
