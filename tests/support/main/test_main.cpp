#include "support/OwnSettings.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Widget tests and anything that renders must never need a real display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    velmora::test::keepSettingsApart();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
