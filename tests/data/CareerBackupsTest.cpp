// The weekly copies of a career: which are kept as the seasons go by, that the names sort by age
// and belong to their own career only, and that a copy which is no career is never restored.

#include "data/CareerBackups.h"
#include "data/CareerFiles.h"
#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<int> weeksOf(const CareerBackups& backups) {
    std::vector<int> weeks;
    for (const auto& backup : backups.list())
        weeks.push_back(backup.week);
    return weeks;
}

TEST(CareerBackups, KeepTheLastFiveWeeksAndTheFirstWeekOfEverySeason) {
    test::AppFolder folder;
    const std::string career = folder.databasePath();
    CareerBackups backups(career);
    struct Case {
        int weeksPlayed; // from week 2 of the first season on
        std::vector<int> kept;
    };
    const std::vector<Case> cases = {
        {3, {4, 3, 2}},
        {5, {6, 5, 4, 3, 2}},
        {20, {21, 20, 19, 18, 17}},
        {52, {1, 52, 51, 50, 49}},          // week 52 wraps into the next season's week 1
        {60, {9, 8, 7, 6, 5, 1}},           // that week 1 stays once it is no longer recent
        {112, {9, 8, 7, 6, 5, 1, 1}},       // one first week per season
    };
    int played = 0;
    int week = 1;
    for (const Case& c : cases) {
        while (played < c.weeksPlayed) {
            week = week == 52 ? 1 : week + 1;
            writeText(career, "week " + std::to_string(week));
            ASSERT_TRUE(backups.keep(week));
            ++played;
        }
        EXPECT_EQ(weeksOf(backups), c.kept) << "after " << c.weeksPlayed << " weeks";
    }
    // Names sort by age, and the newest holds the career as it was last written.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(backups.folder()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(fs::path(backups.list().front().path).filename().string(), names.back());
    EXPECT_EQ(readText(backups.list().front().path), "week 9");
}

TEST(CareerBackups, BelongToTheirOwnCareerAndOneThatIsNoCareerIsNeverRestored) {
    test::AppFolder folder;
    const CareerFiles files(folder.path());
    const std::string first = folder.databasePath();
    const std::string second = files.path("velmora-2.mdb");
    writeText(first, "first, week 4");
    writeText(second, "second, week 9");
    CareerBackups firstBackups(first), secondBackups(second);
    ASSERT_TRUE(firstBackups.keep(4));
    ASSERT_TRUE(secondBackups.keep(9));
    writeText(first, "first, week 5");
    ASSERT_TRUE(firstBackups.keep(5));
    EXPECT_EQ(weeksOf(firstBackups), (std::vector<int>{5, 4}));
    EXPECT_EQ(weeksOf(secondBackups), (std::vector<int>{9}));

    // These copies fail the check a career passes at open: nothing is replaced, kept or pruned.
    const std::string refused = firstBackups.restore(firstBackups.list().back());
    EXPECT_EQ(refused.rfind("Questo backup è danneggiato e non si può ripristinare", 0), 0u) << refused;
    EXPECT_EQ(readText(first), "first, week 5");
    EXPECT_EQ(readText(second), "second, week 9");
    EXPECT_EQ(weeksOf(firstBackups), (std::vector<int>{5, 4}));
    EXPECT_EQ(readText(firstBackups.list().back().path), "first, week 4");

    EXPECT_EQ(files.names(), (std::vector<std::string>{"velmora.mdb", "velmora-2.mdb"}));
    EXPECT_EQ(files.nextFree(), "velmora-3.mdb");
    firstBackups.removeAll();
    EXPECT_TRUE(firstBackups.list().empty());
    EXPECT_EQ(weeksOf(secondBackups), (std::vector<int>{9}));
}

} // namespace
} // namespace velmora
