// Where the game reads its pictures and keeps the career: beside the executable in the build folder,
// the installation and the player's data folder once installed; the first start makes the career,
// later starts and upgrades never touch it, and a career that cannot be written is said at once.

#include "app/GameFolders.h"
#include "app/Form1.h"
#include "data/Database.h"
#include "data/KeyValueStore.h"
#include "support/AppFolder.h"
#include "ui/ScriptedPlatform.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

const char kInstalledData[] = "../share/velmora";
const char kUnwritable[] = "Impossibile salvare la carriera nella cartella ";

std::string readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// A scratch folder holding an installation (prefix/bin, prefix/share/velmora with the shipped
// database) and room for a data folder.
class GameFoldersTest : public ::testing::Test {
  protected:
    GameFoldersTest() {
        std::string pattern = (fs::temp_directory_path() / "velmora-folders-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        root = pattern;
        fs::create_directories(root / "prefix/bin");
        fs::create_directories(root / "prefix/share/velmora");
        fs::copy_file(fs::path(VELMORA_SHARE_DIR) / "velmora.mdb", shipped());
    }
    ~GameFoldersTest() override {
        std::error_code ignored;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
        for (const auto& entry : fs::recursive_directory_iterator(root, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root, ignored);
    }

    fs::path shipped() const { return root / "prefix/share/velmora/velmora.mdb"; }
    GameFolders installed(const fs::path& dataHome) const {
        return GameFolders::locate((root / "prefix/bin").string(), kInstalledData, dataHome.c_str(),
                                   "/home/x");
    }

    fs::path root;
};

TEST_F(GameFoldersTest, TellsTheBuildFolderFromAnInstallation) {
    fs::create_directories(root / "build/bin/immagini");
    fs::create_directories(root / "old/bin");
    std::ofstream(root / "old/bin/velmora.mdb") << "career";
    fs::create_directories(root / "old/share/velmora");
    fs::create_directories(root / "lonely/bin");
    const std::string prefixData = (root / "prefix/share/velmora").string();

    struct Case {
        const char* exe;
        const char* xdg;
        const char* home;
        bool installed;
        std::string pictures; // relative to root unless absolute
        std::string career;
    };
    const Case cases[] = {
        // Pictures or a career beside the executable: the build folder, even with share/velmora near.
        {"build/bin", "/d", "/h", false, "build/bin", "build/bin"},
        {"old/bin", "/d", "/h", false, "old/bin", "old/bin"},
        // Nothing beside it and no installation: as before, everything is looked for beside it.
        {"lonely/bin", "/d", "/h", false, "lonely/bin", "lonely/bin"},
        // Installed: the pictures from share/velmora, the career in the data folder.
        {"prefix/bin", "/d", "/h", true, prefixData, "/d/velmora"},
        {"prefix/bin", "/d/", "/h", true, prefixData, "/d/velmora"},
        {"prefix/bin", nullptr, "/h", true, prefixData, "/h/.local/share/velmora"},
        {"prefix/bin", "", "/h", true, prefixData, "/h/.local/share/velmora"},
        {"prefix/bin", "relative/data", "/h", true, prefixData, "/h/.local/share/velmora"},
        {"prefix/bin", nullptr, nullptr, true, prefixData, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exe) + " XDG_DATA_HOME=" + (c.xdg ? c.xdg : "(unset)"));
        const GameFolders folders =
            GameFolders::locate((root / c.exe).string(), kInstalledData, c.xdg, c.home);
        auto expected = [&](const std::string& p) {
            return p.empty() || p[0] == '/' ? p : (root / p).string();
        };
        EXPECT_EQ(folders.installed(), c.installed);
        EXPECT_EQ(folders.pictures(), expected(c.pictures));
        EXPECT_EQ(folders.career(), expected(c.career));
    }
}

TEST_F(GameFoldersTest, FirstStartCopiesTheShippedCareerAndLaterStartsNeverTouchIt) {
    const fs::path dataHome = root / "data/nested";
    const GameFolders folders = installed(dataHome);
    const fs::path career = dataHome / "velmora/velmora.mdb";

    ASSERT_EQ(folders.prepareCareer(), "");
    EXPECT_EQ(readBytes(career), readBytes(shipped()));
    // The temporary copy was renamed into place and the probe removed: nothing else is left.
    EXPECT_EQ(namesIn(dataHome / "velmora"), std::vector<std::string>{"velmora.mdb"});

    // The player plays; the career is now his own.
    {
        Database database(Database::connectionString(folders.career()));
        KeyValueStore(database).setNumber("nummag", 12345);
    }
    const std::string played = readBytes(career);
    ASSERT_NE(played, readBytes(shipped()));

    ASSERT_EQ(folders.prepareCareer(), "");
    EXPECT_EQ(readBytes(career), played);
    // An upgrade replaces the shipped database; the career stays as it was.
    std::ofstream(shipped(), std::ios::binary | std::ios::trunc) << "a newer shipped database";
    ASSERT_EQ(folders.prepareCareer(), "");
    EXPECT_EQ(readBytes(career), played);
    EXPECT_EQ(namesIn(dataHome / "velmora"), std::vector<std::string>{"velmora.mdb"});
}

TEST_F(GameFoldersTest, ACareerThatCannotBeWrittenIsSaidBeforeTheGameStarts) {
    // A data folder under a plain file cannot be made, whoever runs the game.
    std::ofstream(root / "file") << "not a folder";
    const GameFolders underFile = installed(root / "file/data");
    EXPECT_EQ(underFile.prepareCareer().rfind(kUnwritable + (root / "file/data/velmora").string() + ".", 0),
              0u)
        << underFile.prepareCareer();

    // A full disk: the copy is cut short, and neither a half career nor the temporary file remains.
    const GameFolders full = installed(root / "full");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string message = full.prepareCareer();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    ASSERT_GT(fs::file_size(shipped()), small.rlim_cur);
    EXPECT_EQ(message.rfind(kUnwritable, 0), 0u) << message;
    EXPECT_NE(message.find("disco non sia pieno"), std::string::npos);
    EXPECT_TRUE(namesIn(root / "full/velmora").empty());
    // With room again the next start makes the career whole.
    EXPECT_EQ(full.prepareCareer(), "");
    EXPECT_EQ(readBytes(root / "full/velmora/velmora.mdb"), readBytes(shipped()));

    // No data folder at all, and a broken installation, each have their own message.
    const GameFolders homeless =
        GameFolders::locate((root / "prefix/bin").string(), kInstalledData, nullptr, nullptr);
    EXPECT_NE(homeless.prepareCareer().find("cartella dei dati"), std::string::npos);
    fs::remove(shipped());
    EXPECT_NE(installed(root / "other").prepareCareer().find("Reinstalla il gioco"), std::string::npos);
}

TEST_F(GameFoldersTest, AReadOnlyCareerIsSaid) {
    // File permissions bind everyone but root.
    if (geteuid() == 0) GTEST_SKIP() << "root writes through read-only permissions";
    const GameFolders folders = installed(root / "data");
    ASSERT_EQ(folders.prepareCareer(), "");
    const fs::path career = root / "data/velmora/velmora.mdb";

    fs::permissions(career, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(folders.prepareCareer().rfind(kUnwritable, 0), 0u);
    fs::permissions(career, fs::perms::owner_write, fs::perm_options::add);
    fs::permissions(root / "data/velmora", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(folders.prepareCareer().rfind(kUnwritable, 0), 0u);
    fs::permissions(root / "data", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(installed(root / "data/new").prepareCareer().rfind(kUnwritable, 0), 0u);
}

// The window opens the career in the career folder and the pictures in the application folder.
class SplitPlatform : public ScriptedPlatform {
  public:
    SplitPlatform(std::string pictures, std::string career)
        : ScriptedPlatform(std::move(pictures)), m_career(std::move(career)) {}
    std::string careerFolder() const override { return m_career; }

  private:
    std::string m_career;
};

TEST_F(GameFoldersTest, TheWindowLoadsFromBothFolders) {
    const AppFolder app;
    fs::create_directories(root / "career");
    fs::rename(app.databasePath(), root / "career/velmora.mdb");
    SplitPlatform platform(app.path(), (root / "career").string());
    Form1 form(platform);
    form.Form_Load();
    EXPECT_TRUE(platform.takeMessages().empty());
    EXPECT_EQ(form.c("Image2").picture, "\\immagini\\sfondo.jpg");
    EXPECT_FALSE(fs::exists(app.databasePath()));
    EXPECT_NE(readBytes(root / "career/velmora.mdb"), readBytes(fs::path(VELMORA_SHARE_DIR) / "velmora.mdb"));
}

} // namespace
} // namespace velmora::test
