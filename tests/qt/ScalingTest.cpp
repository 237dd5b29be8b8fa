#include "ui/qt/DesignScale.h"
#include "ui/qt/SymbolText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(DesignScaleTest, TheDesignFillsTheLargestStageThatKeepsItsProportions) {
    DesignScale scale;
    scale.fit(QSize(1000, 1000)); // too tall: border above and below
    EXPECT_EQ(scale.stage().width(), 1000);
    EXPECT_NEAR(scale.stage().height(), 544, 1);
    EXPECT_NEAR(scale.stage().top(), (1000 - 544) / 2, 1);
    EXPECT_EQ(scale.stage().left(), 0);

    scale.fit(QSize(4000, 1040)); // too wide: border left and right
    EXPECT_EQ(scale.stage().height(), 1040);
    EXPECT_NEAR(scale.stage().width(), 1911, 1);
    EXPECT_NEAR(scale.stage().left(), (4000 - 1911) / 2, 1);
    EXPECT_NEAR(scale.factor(), 1.0, 1e-9);
}

TEST(DesignScaleTest, ControlsThatTouchInTwipsTouchOnScreenAtAnySize) {
    DesignScale scale;
    for (int width : {500, 777, 1366, 1910, 2561, 3840}) {
        scale.fit(QSize(width, width));
        // A row of 4 cards 1005 twips wide laid side by side stays gap-free and overlap-free.
        for (int i = 0; i < 3; ++i) {
            const QRect card = scale.map(2000 + i * 1005, 9000, 1005, 1500);
            const QRect next = scale.map(2000 + (i + 1) * 1005, 9000, 1005, 1500);
            EXPECT_EQ(card.right() + 1, next.left()) << "at width " << width;
        }
        const QRect whole = scale.map(0, 0, DesignScale::kDesignWidth, DesignScale::kDesignHeight);
        EXPECT_EQ(whole.size(), scale.stage().size()) << "at width " << width;
    }
}

TEST(DesignScaleTest, TheWindowStartsAtASizeThatFitsTheScreen) {
    for (QSize screen : {QSize(1366, 728), QSize(1920, 1040), QSize(1024, 738), QSize(3840, 2100)}) {
        const QSize start = DesignScale::startSize(screen);
        EXPECT_LE(start.width(), screen.width() * 0.9 + 1);
        EXPECT_LE(start.height(), screen.height() * 0.9 + 1);
        EXPECT_NEAR(static_cast<double>(start.width()) / start.height(), 28660.0 / 15600.0, 0.01);
        // One of the two sides uses the 90% it is allowed.
        EXPECT_TRUE(start.width() >= screen.width() * 0.9 - 2 || start.height() >= screen.height() * 0.9 - 2);
    }
    EXPECT_EQ(DesignScale::designPixels(), QSize(1910, 1040));
}

TEST(SymbolTextTest, SymbolFacesShowTheirSymbolsAndOtherFacesTheirLetters) {
    EXPECT_EQ(SymbolText::display("Wingdings", "lll"), QString::fromUtf8("●●●"));
    EXPECT_EQ(SymbolText::display("wingdings", "l l"), QString::fromUtf8("● ●"));
    EXPECT_EQ(SymbolText::display("Webdings", "<<<<"), QString::fromUtf8("★★★★"));
    EXPECT_EQ(SymbolText::display("Webdings", "lll"), "lll");
    EXPECT_EQ(SymbolText::display("DejaVu Sans", "l<l"), "l<l");
    EXPECT_EQ(SymbolText::display("Arial", "Età"), QString::fromUtf8("Età"));
    EXPECT_TRUE(SymbolText::isSymbolFace("Wingdings"));
    EXPECT_FALSE(SymbolText::isSymbolFace("Courier New"));
}

} // namespace
} // namespace velmora
