// The Uno faces with colour symbols against the plain ones: they differ only where the symbols
// sit, in both corners, and the four symbols stay apart when the colours are gone (greyscale).

#include "qt/QtTestSupport.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <array>

namespace velmora {
namespace {

const QString kFolder = QStringLiteral(VELMORA_APP_DIR "/immagini/");
const std::array<const char*, 4> kColours = {"rosso", "giallo", "verde", "blu"};
constexpr int kWidth = 200, kHeight = 300;
// The top corner's symbol (centre 34,86, reach 21 with its rim) and the bottom one turned half
// round, each widened to the 16-pixel blocks of the JPEG it touches.
const QRect kTopSymbol(0, 48, 64, 64);
const QRect kBottomSymbol(kWidth - 72, kHeight - 124, 64, 64);

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 60;
}

// The symbol's own pixels: bright in grey where the plain card is not.
QImage symbolMask(const QImage& plain, const QImage& marked) {
    QImage mask(kTopSymbol.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < kTopSymbol.height(); ++y) {
        for (int x = 0; x < kTopSymbol.width(); ++x) {
            const QPoint at = kTopSymbol.topLeft() + QPoint(x, y);
            const int grey = qGray(marked.pixel(at));
            const bool symbol = grey > 200 && differs(plain.pixel(at), marked.pixel(at));
            mask.setPixel(x, y, symbol ? 255 : 0);
        }
    }
    return mask;
}

TEST(UnoSymbolPicturesTest, SymbolsChangeOnlyTheCornersAndStayApartInGrey) {
    std::array<QImage, 4> masks;
    for (size_t k = 0; k < kColours.size(); ++k) {
        for (const QString& value : {QStringLiteral("0"), QStringLiteral("8"), QStringLiteral("piu2"),
                                     QStringLiteral("cambiagiro"), QStringLiteral("saltaturno")}) {
            const QString code = value + QLatin1String(kColours[k]);
            SCOPED_TRACE(code.toStdString());
            const QImage plain(kFolder + "uno/" + code + ".jpg");
            const QImage marked(kFolder + "unosimboli/" + code + ".jpg");
            ASSERT_FALSE(plain.isNull());
            ASSERT_FALSE(marked.isNull());
            int inCorners = 0, elsewhere = 0;
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < kWidth; ++x) {
                    if (!differs(plain.pixel(x, y), marked.pixel(x, y))) continue;
                    const bool corner = kTopSymbol.contains(x, y) || kBottomSymbol.contains(x, y);
                    (corner ? inCorners : elsewhere) += 1;
                }
            }
            EXPECT_EQ(elsewhere, 0) << "the symbol set changes more than the corners";
            EXPECT_GT(inCorners, 2 * 250) << "no symbol in the corners";
            if (value == "8") masks[k] = symbolMask(plain, marked);
        }
    }
    // Two symbols told apart: at least a fifth of the pixels either covers differ.
    for (size_t a = 0; a < masks.size(); ++a) {
        for (size_t b = a + 1; b < masks.size(); ++b) {
            int either = 0, onlyOne = 0;
            for (int y = 0; y < masks[a].height(); ++y) {
                for (int x = 0; x < masks[a].width(); ++x) {
                    const bool inA = qGray(masks[a].pixel(x, y)) > 0, inB = qGray(masks[b].pixel(x, y)) > 0;
                    either += inA || inB;
                    onlyOne += inA != inB;
                }
            }
            EXPECT_GT(onlyOne * 5, either) << kColours[a] << " and " << kColours[b] << " look alike in grey";
        }
    }
    // The wild cards have no colour, hence no symbol, and the back is the same.
    for (const char* same : {"cambiacolore", "piu4", "dietro"}) {
        const QImage plain(kFolder + "uno/" + same + ".jpg");
        const QImage marked(kFolder + "unosimboli/" + same + ".jpg");
        EXPECT_EQ(plain, marked) << same;
    }
}

} // namespace
} // namespace velmora
