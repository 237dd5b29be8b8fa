#include "CareerWorld.h"

#include "career/NewCareer.h"
#include "career/PlayerKey.h"
#include "data/Quoting.h"

#include <cstdlib>
#include <filesystem>
#include <set>

namespace velmora::test {

namespace fs = std::filesystem;

namespace {

// The first world, made by the game itself in a folder of its own; removed at exit.
struct SharedWorld {
    SharedWorld() {
        ScriptedPlatform platform(folder.path());
        Form1 form(platform);
        form.Form_Load();
        form.c("Text1", 0).text = "Mario";
        form.c("Text1", 1).text = "Rossi";
        form.c("Combo1", 0).text = "30";
        form.chosenNation = "Italia";
        form.newCareer().Label3_Click(0);
        std::string pattern = (fs::temp_directory_path() / "velmora-world-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        directory = pattern;
        file = directory + "/velmora.mdb";
        fs::copy_file(folder.databasePath(), file);
    }
    ~SharedWorld() {
        std::error_code ignored;
        fs::remove_all(directory, ignored);
    }
    AppFolder folder;
    std::string directory;
    std::string file;
};

} // namespace

const std::string& CareerTest::worldFile() {
    static SharedWorld world;
    return world.file;
}

void CareerTest::openWorld() {
    fs::copy_file(worldFile(), folder.databasePath(), fs::copy_options::overwrite_existing);
    load();
    ASSERT_TRUE(platform.takeMessages().empty());
    loadCareer();
}

void CareerTest::loadCareer() {
    KeyValueStore& temp = form->temp();
    form->playerFirstName = temp.text("tuonome");
    form->playerSurname = temp.text("tuocognome");
    form->playerNation = temp.text("tuanazionalita");
    form->playerAge = static_cast<int>(temp.number("tuaeta"));
    form->playerMoney = static_cast<long>(temp.number("tuodenaro"));
    form->currentWeek = static_cast<int>(temp.number("settimana"));
    form->enteredEvent = temp.text("evento");
}

void CareerTest::openPrizeBoard() {
    form->temp().setText("evento", "Open di Milano");
    loadCareer();
    form->eventRows = form->db().query("SELECT * FROM calendario where  torneo='Open di Milano' ");
    clearEntrantTable(form->roundPlayers);
    form->roundPlayers[0][0] = Value("Rossi");
    form->roundPlayers[0][1] = Value("Mario");
    form->roundPlayers[0][9] = Value(8);
    c("Picture7").visible = true;
    c("Picture5").visible = true;
}

void CareerTest::createCareer(const std::string& firstName, const std::string& surname,
                              const std::string& nation) {
    // As "Nuova" leaves the screen: shown, with the progress label hidden.
    c("Picture1").visible = true;
    c("Label4").visible = false;
    ASSERT_TRUE(form->window().type("Text1", 0, firstName));
    ASSERT_TRUE(form->window().type("Text1", 1, surname));
    ASSERT_TRUE(form->window().choose("Combo1", 1, nation));
    // "Avanti" over a career first asks whether to replace it; these worlds replace the open one,
    // as a Yes does, through the form's own handler run as the click's event.
    ASSERT_TRUE(form->window().canTouch(c("Label3", 0)));
    form->window().dispatch([this] { form->newCareer().Label3_Click(0); });
}

std::string CareerTest::dump() {
    std::string text;
    Rows tables = form->db().query("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name");
    for (int t = 0; t <= tables.last(); ++t) {
        const std::string table = tables.at(0, t).str();
        Rows rows = form->db().query("SELECT rowid, * FROM " + table + " ORDER BY rowid");
        text += "[" + table + "]\n";
        for (int r = 0; r <= rows.last(); ++r) {
            for (int col = 0; col < rows.columnCount(); ++col) {
                const Value& cell = rows.at(col, r);
                text += (cell.isText() ? "'" : "") + cell.str() + "|";
            }
            text += "\n";
        }
    }
    return text;
}

int CareerTest::playerRow(const Rows& players, const std::string& surname, const std::string& firstName) {
    for (int r = 0; r <= players.last(); ++r) {
        if (players.at(0, r).str() == surname && players.at(1, r).str() == firstName) return r;
    }
    return -1;
}

void CareerTest::expectPointsMatchResults() {
    Rows players = form->db().query("SELECT cognome, nome, unopunti, heartspunti, brisolopunti, totalepunti "
                                    "FROM giocatori");
    Rows sums = form->db().query("SELECT cognome, nome, SUM(CASE WHEN tipo='Uno' THEN punti ELSE 0 END), "
                                 "SUM(CASE WHEN tipo='Hearts' THEN punti ELSE 0 END), SUM(CASE WHEN "
                                 "tipo='Brisolo' THEN punti ELSE 0 END), "
                                 "SUM(punti) FROM tornei GROUP BY cognome, nome");
    std::map<std::string, int> sumRow;
    for (int r = 0; r <= sums.last(); ++r)
        sumRow[playerKey(sums.at(0, r).str(), sums.at(1, r).str())] = r;
    int mismatches = 0;
    long long total = 0;
    long long resultsTotal = 0;
    for (int r = 0; r <= players.last(); ++r) {
        auto found = sumRow.find(playerKey(players.at(0, r).str(), players.at(1, r).str()));
        for (int c = 0; c < 4; ++c) {
            const long long expected = found == sumRow.end() ? 0 : sums.at(2 + c, found->second).toInt();
            if (players.at(2 + c, r).toInt() != expected && ++mismatches <= 5) {
                ADD_FAILURE() << players.at(0, r).str() << " " << players.at(1, r).str() << " column " << c
                              << ": " << players.at(2 + c, r).str() << " points, results add up to "
                              << expected;
            }
        }
        total += players.at(5, r).toInt();
        if (found != sumRow.end()) sumRow.erase(found);
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(sumRow.empty()) << sumRow.size() << " players have results but no giocatori row";
    resultsTotal = form->db().query("SELECT SUM(punti) FROM tornei").at(0, 0).toInt();
    EXPECT_EQ(total, resultsTotal);
}

void CareerTest::expectNobodyTwiceAWeek() {
    Rows twice = form->db().query("SELECT cognome, nome, settimana, COUNT(*) FROM tornei "
                                  "GROUP BY cognome, nome, settimana HAVING COUNT(*) > 1");
    EXPECT_EQ(twice.rowCount(), 0) << twice.at(0, 0).str() << " " << twice.at(1, 0).str() << " in week "
                                   << twice.at(2, 0).str();
}

} // namespace velmora::test
