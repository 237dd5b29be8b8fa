// The page list of the rankings: 25 lines a page, the last page holding what is left.

#include "rankings/RankingPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Labels = std::vector<std::string>;

TEST(RankingPagesTest, LabelsOfHandPickedSizes) {
    const struct {
        int count;
        Labels first;
        std::string last;
        size_t pages;
    } cases[] = {
        {0, {"1-0"}, "1-0", 1},
        {10, {"1-10"}, "1-10", 1},
        {25, {"1-25"}, "1-25", 1},
        {26, {"1-25", "26-26"}, "26-26", 2},
        {27, {"1-25", "26-27"}, "26-27", 2},
        {50, {"1-25", "26-50"}, "26-50", 2},
        {51, {"1-25", "26-50"}, "51-51", 3},
        {76, {"1-25", "26-50"}, "76-76", 4},
        {2000, {"1-25", "26-50"}, "1976-2000", 80},
    };
    for (const auto& c : cases) {
        const Labels labels = RankingPages::labels(c.count);
        ASSERT_EQ(labels.size(), c.pages) << c.count;
        EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), labels.begin())) << c.count;
        EXPECT_EQ(labels.back(), c.last) << c.count;
    }
    EXPECT_EQ(RankingPages::labels(2000)[78], "1951-1975");
}

// The page list as first written: full pages while one more player follows them, then one last
// page up to the count. It is kept for every size where it never shows more than 25 lines.
Labels firstWritten(int count) {
    const int last = count - 1;
    if (last < 26) return {"1-" + std::to_string(count)};
    Labels labels;
    int e = 26;
    for (; e <= last; e += 25)
        labels.push_back(std::to_string(e - 25) + "-" + std::to_string(e - 1));
    labels.push_back(std::to_string(e - 25) + "-" + std::to_string(count));
    return labels;
}

TEST(RankingPagesTest, SameAsFirstWrittenExceptOneOverAFullPage) {
    for (int count = 0; count <= 2100; ++count) {
        const Labels labels = RankingPages::labels(count);
        if (count % 25 == 1) {
            // There the old list ended on a page of 26: now that player has a page of his own.
            ASSERT_EQ(labels.back(), std::to_string(count) + "-" + std::to_string(count)) << count;
        } else {
            ASSERT_EQ(labels, firstWritten(count)) << count;
        }
        for (const std::string& label : labels) {
            const RankingPages::Rows rows = RankingPages::rowsOf(label, count);
            ASSERT_LE(rows.last - rows.first + 1, RankingPages::kLinesPerPage) << count << " " << label;
            ASSERT_EQ(std::to_string(rows.first + 1) + "-" + std::to_string(rows.last + 1),
                      count == 0 ? "1-0" : label);
        }
    }
}

TEST(RankingPagesTest, UnknownLabelShowsTheLastPage) {
    const RankingPages::Rows rows = RankingPages::rowsOf("99-123", 52);
    EXPECT_EQ(rows.first, 50);
    EXPECT_EQ(rows.last, 51);
    const RankingPages::Rows last = RankingPages::rowsOf("1976-2000", 2000);
    EXPECT_EQ(last.first, 1975);
    EXPECT_EQ(last.last, 1999);
}

} // namespace
} // namespace velmora
