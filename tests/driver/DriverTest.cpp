#include "support/AppFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// One answer of the driver: the value lines before its closing "ok", or the error line.
struct Answer {
    std::vector<std::string> lines;
    bool ok = false;
    std::string error;
};

// Runs the driver on an application folder with a script on its standard input.
class DriverTest : public ::testing::Test {
  protected:
    std::vector<Answer> run(const std::string& script, const std::string& appFolder = "") {
        const std::string scriptFile = folder.path() + "/script.txt";
        std::ofstream(scriptFile) << script;
        const std::string command = std::string("'") + VELMORA_DRIVER + "' '" +
                                    (appFolder.empty() ? folder.path() : appFolder) + "' < '" + scriptFile +
                                    "' 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) throw std::runtime_error("cannot start the driver");
        std::string output;
        char buffer[4096];
        size_t read;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, read);
        exitStatus = pclose(pipe);
        std::vector<Answer> answers(1);
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            if (line == "ok") {
                answers.back().ok = true;
                answers.emplace_back();
            } else if (line.rfind("error:", 0) == 0) {
                answers.back().error = line;
                answers.emplace_back();
            } else {
                answers.back().lines.push_back(line);
            }
        }
        unfinished = answers.back().lines;
        answers.pop_back();
        return answers;
    }

    test::AppFolder folder;
    int exitStatus = -1;
    std::vector<std::string> unfinished; // output after the last answer (there should be none)
};

bool isPng(const std::string& file, int& width, int& height) {
    std::ifstream in(file, std::ios::binary);
    unsigned char head[24] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(signature, signature + 8, head)) return false;
    width = (head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19];
    height = (head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23];
    return true;
}

TEST_F(DriverTest, LoadsTheGameAndAnswersEachCommand) {
    const std::string shot = folder.path() + "/title screen.png";
    const auto answers = run("load\n"
                             "get Label1 0 caption\n"
                             "click Nessuno\n"
                             "click Label39\n"
                             "sql select count(*) from calendario\n"
                             "shot " +
                             shot +
                             "\n"
                             "messages\n");
    ASSERT_EQ(answers.size(), 7u);
    EXPECT_TRUE(answers[0].ok) << answers[0].error;
    EXPECT_TRUE(answers[0].lines.empty());
    EXPECT_TRUE(answers[1].ok);
    EXPECT_EQ(answers[1].lines, std::vector<std::string>{"Velmora"});
    EXPECT_EQ(answers[2].error, "error: unknown control Nessuno");
    // "Gioca Torneo" sits on the dashboard, which is hidden on the title menu.
    EXPECT_FALSE(answers[3].ok);
    EXPECT_EQ(answers[3].error.rfind("error:", 0), 0u);
    ASSERT_TRUE(answers[4].ok) << answers[4].error;
    ASSERT_EQ(answers[4].lines.size(), 1u);
    EXPECT_GT(std::stoi(answers[4].lines[0]), 0);
    EXPECT_TRUE(answers[5].ok) << answers[5].error;
    int width = 0, height = 0;
    ASSERT_TRUE(isPng(shot, width, height));
    EXPECT_EQ(width, 1910);
    EXPECT_EQ(height, 1040);
    EXPECT_GT(fs::file_size(shot), 20000u); // a real picture, not a flat colour
    EXPECT_TRUE(answers[6].ok);
    EXPECT_TRUE(answers[6].lines.empty());
    EXPECT_TRUE(unfinished.empty());
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(DriverTest, AnOpenedWindowIsShotAtItsOwnSizeAndMemoryIsToldInKilobytes) {
    const std::string shot = folder.path() + "/menu.png";
    const auto answers = run("load\n"
                             "memory\n"
                             "window 100 50\n" // below the smallest window
                             "window 1366\n"
                             "window 1366 768\n"
                             "click Label1 1\n"
                             "shot " +
                             shot +
                             "\n"
                             "memory\n"
                             "memory now\n");
    ASSERT_EQ(answers.size(), 9u);
    ASSERT_TRUE(answers[1].ok) << answers[1].error;
    ASSERT_EQ(answers[1].lines.size(), 1u);
    const long before = std::stol(answers[1].lines[0]);
    EXPECT_GT(before, 1000); // kilobytes: a Qt program holds megabytes
    EXPECT_FALSE(answers[2].ok);
    EXPECT_FALSE(answers[3].ok);
    EXPECT_TRUE(answers[4].ok) << answers[4].error;
    EXPECT_TRUE(answers[5].ok) << answers[5].error;
    EXPECT_TRUE(answers[6].ok) << answers[6].error;
    int width = 0, height = 0;
    ASSERT_TRUE(isPng(shot, width, height));
    EXPECT_EQ(width, 1366);
    EXPECT_EQ(height, 768);
    ASSERT_TRUE(answers[7].ok) << answers[7].error;
    ASSERT_EQ(answers[7].lines.size(), 1u);
    EXPECT_GT(std::stol(answers[7].lines[0]), before); // the shown window's widgets and pictures
    EXPECT_FALSE(answers[8].ok);
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(DriverTest, BadCommandsAreErrorsAndTheDriverGoesOn) {
    const auto answers = run("sql select 1\n" // before load: no database yet
                             "frobnicate\n"
                             "load\n"
                             "click Label1\n"    // an array needs its index
                             "click Label39 2\n" // a single control takes none
                             "get Label1 99 caption\n"
                             "get Label1 1 colour\n"
                             "type Label1 1 ciao\n" // not a text box
                             "choose Label1 1 Nuova\n"
                             "advance -5\n"
                             "advance soon\n"
                             "answer maybe\n"
                             "get Timer9 enabled\n"
                             "hover Image24 0\n" // the table is not up: the pointer cannot reach it
                             "hover Text1 0\n"   // only labels and pictures
                             "hover off\n"
                             "\n"
                             "# a comment gets no answer\n"
                             "get Label1 1 caption\n");
    ASSERT_EQ(answers.size(), 17u);
    EXPECT_FALSE(answers[0].ok);
    EXPECT_EQ(answers[1].error, "error: unknown command frobnicate");
    EXPECT_TRUE(answers[2].ok);
    for (size_t i = 3; i <= 14; ++i) {
        EXPECT_FALSE(answers[i].ok) << "answer " << i;
        EXPECT_EQ(answers[i].error.rfind("error: ", 0), 0u) << "answer " << i;
    }
    EXPECT_TRUE(answers[15].ok) << "the pointer may always move away";
    EXPECT_TRUE(answers[16].ok);
    EXPECT_EQ(answers[16].lines, std::vector<std::string>{"Carriera"});
}

TEST_F(DriverTest, QueriesAreReadOnlyAndPrintOneRowPerLine) {
    const auto answers =
        run("load\n"
            "sql select count(*) from calendario\n"
            "sql delete * from calendario\n"
            "sql DELETE FROM calendario\n"
            "sql select 1; delete from calendario\n"
            "sql update temp set dato1='0' WHERE dato='nummag'\n"
            "sql drop table calendario\n"
            "sql select count(*) from calendario\n"
            "sql SELECT 'a' || char(10) || 'b', 'x' || char(9) || 'y', 7 UNION ALL SELECT 'c', '', 8\n"
            "sql select * from nessuna_tabella\n");
    ASSERT_EQ(answers.size(), 10u);
    ASSERT_TRUE(answers[1].ok);
    for (size_t i = 2; i <= 6; ++i)
        EXPECT_FALSE(answers[i].ok) << "answer " << i;
    EXPECT_EQ(answers[7].lines, answers[1].lines); // nothing was deleted
    ASSERT_TRUE(answers[8].ok);
    EXPECT_EQ(answers[8].lines, (std::vector<std::string>{"a\\nb\tx\\ty\t7", "c\t\t8"}));
    EXPECT_FALSE(answers[9].ok);
}

TEST_F(DriverTest, PlaysTheMenusAsAPlayerWould) {
    const auto answers = run("load\n"
                             "get Label1 3 visible\n"
                             "click Label1 3\n" // the submenu is still closed
                             "click Label1 1\n"
                             "get Label1 3 visible\n"
                             "get Label1 4 caption\n"
                             "click Label1 3\n"
                             "get Picture1 visible\n"
                             "type Text1 0 D'Angelo  Núñez\n"
                             "get Text1 0 text\n"
                             "choose Combo1 1 Italia\n"
                             "get Combo1 1 text\n"
                             "get Image3 picture\n"
                             "choose Combo1 1 Atlantide\n"
                             "get Combo1 1 text\n"
                             "get Timer1 enabled\n"
                             "advance 5000\n"
                             "get form enabled\n");
    ASSERT_EQ(answers.size(), 18u);
    EXPECT_EQ(answers[1].lines, std::vector<std::string>{"false"});
    EXPECT_FALSE(answers[2].ok);
    EXPECT_TRUE(answers[3].ok);
    EXPECT_EQ(answers[4].lines, std::vector<std::string>{"true"});
    EXPECT_EQ(answers[5].lines, std::vector<std::string>{"Carica"});
    EXPECT_TRUE(answers[6].ok);
    EXPECT_EQ(answers[7].lines, std::vector<std::string>{"true"});
    EXPECT_TRUE(answers[8].ok) << answers[8].error;
    EXPECT_EQ(answers[9].lines, std::vector<std::string>{"D'Angelo  Núñez"});
    EXPECT_TRUE(answers[10].ok) << answers[10].error;
    EXPECT_EQ(answers[11].lines, std::vector<std::string>{"Italia"});
    ASSERT_EQ(answers[12].lines.size(), 1u);
    EXPECT_NE(answers[12].lines[0].find("flags"), std::string::npos);
    EXPECT_FALSE(answers[13].ok);
    EXPECT_EQ(answers[14].lines, std::vector<std::string>{"Italia"});
    EXPECT_EQ(answers[15].lines, std::vector<std::string>{"false"});
    EXPECT_TRUE(answers[16].ok);
    EXPECT_EQ(answers[17].lines, std::vector<std::string>{"true"});
}

TEST_F(DriverTest, TheTitleMenuExitEndsTheDriver) {
    const auto answers = run("load\n"
                             "click Label1 2\n"
                             "get Label1 0 caption\n");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[1].ok);
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(DriverTest, AFailedLoadIsAnErrorAndItsMessageIsKept) {
    const std::string empty = folder.path() + "/vuota";
    fs::create_directory(empty);
    const auto answers = run("load\nmessages\n", empty);
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_FALSE(answers[0].ok);
    ASSERT_TRUE(answers[1].ok);
    // The load goes on to the title menu without a career, so a folder without pictures says that too.
    ASSERT_GE(answers[1].lines.size(), 1u);
    EXPECT_NE(answers[1].lines[0].find("velmora.mdb"), std::string::npos);
    EXPECT_FALSE(fs::exists(empty + "/velmora.mdb")); // no empty career is made in its place
}

} // namespace
} // namespace velmora
