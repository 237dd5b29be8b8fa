#include "career/NewCareer.h"

#include "career/CareerHistory.h"
#include "career/CareerSnapshot.h"
#include "career/Dashboard.h"
#include "career/NamePool.h"
#include "career/PlayerKey.h"
#include "career/PointsWriter.h"
#include "career/SimulatedTournament.h"
#include "data/Quoting.h"
#include "data/SuspendedIndexes.h"
#include "data/Transaction.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "ui/DisabledWindow.h"
#include "state/Season.h"

#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace velmora {

namespace {

// A nation holding more players than this takes another only when a rare roll allows it.
constexpr int kNationCap = 30;
// Rows handled between two repaints of the progress label.
constexpr int kRowsPerRepaint = 10;
// The progress counter once every name is drawn (55.53 %), and its steps after that.
constexpr long kNamesDrawn = 5553000;
constexpr long kPerInsertedRow = 200;
constexpr long kPerWrittenRow = 6;

constexpr int kFinalists = 8;

} // namespace

void NewCareer::Label3_Click(int index) {
    if (index == 1) {
        f.c("Picture1").visible = false;
        return;
    }
    if (index != 0) return;
    const std::string firstName = f.c("Text1", 0).text;
    const std::string surname = f.c("Text1", 1).text;
    // "0" is how the tables mark an empty cell, so it cannot be anybody's name.
    if (unusableName(firstName) || unusableName(surname)) {
        f.platform().messageBox("Inserisci un nome e un cognome.", f.appTitle);
        return;
    }
    create(firstName, surname);
}

void NewCareer::showProgress() {
    f.c("Label4").text = "Attendere Nuova Partita..... " + numberText(f.progressCounter / 100000.0) + "%";
}

// The whole world is made in one transaction: a failure, or the program stopped halfway, leaves
// the previous career exactly as it was.
void NewCareer::create(const std::string& firstName, const std::string& surname) {
    DisabledWindow disabled(f.window());
    CareerSnapshot snapshot(f);
    snapshot.remember(f.c("Label4"));
    try {
        Transaction transaction(f.db());
        if (f.nationRowsLast < 0) {
            f.nationRows = f.db().query("SELECT * FROM nazionalita order by nazione asc ");
            f.nationRowsLast = f.nationRows.last();
        }
        if (f.chosenNation.empty() && f.nationRowsLast >= 0) f.chosenNation = f.nationRows.at(1, 0).str();

        // The season writes the whole results table anew: its indexes are built once at the end.
        SuspendedIndexes resultIndexes(f.db(), "tornei");
        f.db().execute("delete * from tornei ");
        NamePool pool(f.db());
        // The draw below retries until it finds an unused pair: pools too small for a whole world
        // would keep it drawing for ever.
        if (pool.distinctPairs(surname, firstName, kComputerPlayers) < kComputerPlayers) {
            throw std::runtime_error("I nomi dell'archivio non bastano per creare " +
                                     std::to_string(kComputerPlayers) + " giocatori diversi.");
        }
        Control& label = f.c("Label4");
        label.visible = true;
        f.progressCounter = 0;
        showProgress();
        f.yield();

        const Entry human{surname, firstName, f.chosenNation};
        const std::vector<Entry> names = drawNames(pool, human);

        KeyValueStore& temp = f.temp();
        temp.setText("tuonome", firstName);
        temp.setText("tuocognome", surname);
        temp.setText("tuanazionalita", f.chosenNation);
        const double age = Value(f.c("Combo1", 0).text).num();
        temp.setNumber("tuaeta", age);
        temp.setNumber("tuodenaro", 20000);
        temp.setNumber("settimana", 1);
        temp.setText("evento", "0");
        CareerHistory(f).startCareer();

        f.db().execute("delete * from giocatori ");
        f.progressCounter = kNamesDrawn;
        insertPlayers(names, age);
        playSeason();

        PointsWriter(f.db()).write(f.playerRows, f.playerRowsLast, [&](int row) {
            f.progressCounter += kPerWrittenRow;
            showProgress();
            if ((row + 1) % kRowsPerRepaint == 0) f.yield();
        });
        resultIndexes.rebuild();
        f.dashboard().refresh();
        transaction.commit();
    } catch (...) {
        snapshot.restore();
        throw;
    }
    f.c("Picture2").visible = true;
    f.c("Picture1").visible = false;
}

std::vector<NewCareer::Entry> NewCareer::drawNames(NamePool& pool, const Entry& human) {
    std::vector<Entry> names(kComputerPlayers + 1);
    names[0] = human;
    // Pairs the store would take for one player (letter case aside) count as the same name.
    std::unordered_set<std::string> taken{playerKey(human.surname, human.firstName)};
    std::unordered_map<std::string, int> perNation{{playerKey(human.nation, ""), 1}};
    const Rows& surnames = pool.surnames();
    const int lastNation = surnames.last();
    for (int i = 1; i <= kComputerPlayers; ++i) {
        for (;;) {
            const int k = static_cast<int>(roundEven(f.Rnd() * lastNation));
            const std::string nation = surnames.at(0, k).str();
            const Rows& firstNames = pool.firstNames(nation);
            const std::string surname = surnames.at(static_cast<int>(roundEven(f.Rnd() * 19 + 2)), k).str();
            const int r = static_cast<int>(roundEven(f.Rnd() * firstNames.last()));
            const std::string firstName =
                firstNames.at(static_cast<int>(roundEven(f.Rnd() * 19 + 2)), r).str();
            if (unusableName(surname) || unusableName(firstName)) continue; // a gap in the pool
            const std::string key = playerKey(surname, firstName);
            if (taken.count(key)) continue;
            // Keeps the world spread over many nations: one already holding more than 30 players
            // accepts another only about once in forty tries.
            int& count = perNation[playerKey(nation, "")];
            if (count > kNationCap && roundEven(f.Rnd() * 100) > 2) continue;
            taken.insert(key);
            ++count;
            names[static_cast<size_t>(i)] = {surname, firstName, nation};
            break;
        }
        f.progressCounter = roundEven(i * 100.0 / 36) * 1000;
        showProgress();
        if (i % kRowsPerRepaint == 0) f.yield();
    }
    return names;
}

void NewCareer::insertPlayers(const std::vector<Entry>& names, double humanAge) {
    std::unordered_map<std::string, int> nationRow;
    for (int r = f.nationRowsLast; r >= 0; --r)
        nationRow[playerKey(f.nationRows.at(1, r).str(), "")] = r;
    for (size_t i = 0; i < names.size(); ++i) {
        // Every row draws an age, his too, so the world drawn after it is the same whatever age he
        // chose; his own row then keeps the age he chose, which his player card shows.
        const long long drawn = roundEven(f.Rnd() * 50) + 18;
        const Value age = i == 0 ? Value(humanAge) : Value(drawn);
        long long skills[3] = {0, 0, 0}; // the human plays with no skills: it is what marks his row
        if (i > 0) {
            for (long long& skill : skills)
                skill = roundEven(f.Rnd() * 9) + 1;
        }
        auto found = nationRow.find(playerKey(names[i].nation, ""));
        const int n = found == nationRow.end() ? -1 : found->second;
        f.db().insert("giocatori", {{"cognome", names[i].surname},
                                    {"nome", names[i].firstName},
                                    {"nazionalita", n < 0 ? Value(std::string()) : f.nationRows.at(0, n)},
                                    {"eta", age},
                                    {"nazione", n < 0 ? Value(names[i].nation) : f.nationRows.at(1, n)},
                                    {"continente", n < 0 ? Value(std::string()) : f.nationRows.at(2, n)},
                                    {"uno", skills[0]},
                                    {"hearts", skills[1]},
                                    {"brisolo", skills[2]}});
        f.progressCounter += kPerInsertedRow;
        showProgress();
        if ((i + 1) % kRowsPerRepaint == 0) f.yield();
    }
}

// One whole season played out in memory, so the world starts with rankings and a results history.
// Continental and national championships depend on the human's own nation and are left out.
void NewCareer::playSeason() {
    const Rows season = f.db().query(std::string("SELECT * FROM calendario where not nazione='") + "conti" +
                                     "' and not nazione='" + "nazio" + "'order by settimana asc ");
    f.playerRows =
        f.db().query("SELECT * FROM giocatori where not uno=" + numberText(0) + " order by nome desc");
    f.playerRowsLast = f.playerRows.last();
    for (int row = 0; row <= f.playerRowsLast; ++row) {
        for (int c = 9; c <= 12; ++c)
            f.playerRows.cell(c, row) = Value(0);
    }
    const SimulatedTournament::RowIndex index = SimulatedTournament::indexPlayers(f.playerRows);
    TierTables tiers(f.db());

    TournamentRules rules;
    rules.prizeOrder = "premio desc ";
    rules.replacesPreviousEdition = false; // there is no season before this one
    rules.lastRandomSlot = 50;
    for (int week = 1; week <= Season::kWeeks; ++week) {
        f.busy.assign(kComputerPlayers + 1, 0);
        rules.week = week;
        SimulatedTournament tournament(f, rules, index, tiers);
        // Weeks 50, 51 and 52 are the finals of Uno, Hearts and Brisolo for the eight best of each.
        std::vector<int> finalists;
        if (Season::isFinalsWeek(week))
            finalists = chooseFinalists(giocatori::kPointsUno + week - Season::kFirstFinalsWeek);
        for (int row = 0; row <= season.last(); ++row) {
            const long long rowWeek = season.at(calendario::kWeek, row).toInt();
            if (rowWeek > week) break;
            if (rowWeek != week) continue;
            tournament.simulate(season, row, finalists.empty() ? FieldDraw::Open : FieldDraw::Fixed,
                                finalists);
        }
        f.yield();
    }
}

// The eight best players of a game by its points column, best first, kept in the table finali
// while the players are walked.
std::vector<int> NewCareer::chooseFinalists(int pointsColumn) {
    Database& db = f.db();
    db.execute("delete * from finali ");
    auto hold = [&](int row) {
        db.insert("finali", {{"cognome", f.playerRows.at(giocatori::kSurname, row)},
                             {"nome", f.playerRows.at(giocatori::kFirstName, row)},
                             {"punti", f.playerRows.at(pointsColumn, row)},
                             {"numero", row}});
    };
    auto readBack = [&] { return db.query("SELECT * FROM finali  order by punti desc"); };
    int held = 0;
    Rows best;
    for (int row = 0; row <= f.playerRowsLast; ++row) {
        const long long points = f.playerRows.at(pointsColumn, row).toInt();
        if (held < kFinalists) {
            if (points == 0) continue;
            hold(row);
            if (++held == kFinalists) best = readBack();
        } else if (points > best.at(2, kFinalists - 1).toInt()) {
            db.execute("delete * from finali where cognome='" + fApici(best.at(0, kFinalists - 1).str()) +
                       "'and nome ='" + fApici(best.at(1, kFinalists - 1).str()) + "'");
            hold(row);
            best = readBack();
        }
    }
    if (held < kFinalists) best = readBack();
    std::vector<int> finalists;
    for (int r = 0; r <= best.last(); ++r)
        finalists.push_back(static_cast<int>(best.at(3, r).toInt()));
    return finalists;
}

} // namespace velmora
