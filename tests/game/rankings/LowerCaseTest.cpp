// Lower case for the player search: every alphabet of the name pools, and bytes that are not text.

#include "rankings/LowerCase.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(LowerCaseTest, LowersEveryAlphabetOfTheNamePoolsAndKeepsWhatIsNotALetter) {
    struct Case {
        const char* text;
        const char* lowered;
    };
    const Case cases[] = {
        {"D'Angelo Mario", "d'angelo mario"},
        {"NÚÑEZ", "núñez"},
        {"ZIELIŃSKI Paweł", "zieliński paweł"},
        {"Đinh Thảo", "đinh thảo"},
        {"ŞİMŞEK", "şimşek"}, // the dotted capital I lowers to a plain i
        {"NGUYỄN", "nguyễn"},
        {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "παπαδοπουλοσ"},
        {"ИВАНОВ", "иванов"},
        {"田中 123 -", "田中 123 -"},
        {"", ""},
        {"AB\xC3", "ab\xC3"},         // a cut-off letter at the end stays as it is
        {"\xFF" "X\x80", "\xFF" "x\x80"}, // stray bytes pass through, letters around them still lower
    };
    for (const Case& c : cases)
        EXPECT_EQ(lowerCase(c.text), c.lowered) << c.text;
}

} // namespace
} // namespace velmora
