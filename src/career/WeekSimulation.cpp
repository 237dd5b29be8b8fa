#include "career/WeekSimulation.h"

#include "career/PlayerKey.h"
#include "career/PointsWriter.h"
#include "career/SimulatedTournament.h"
#include "career/Strength.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "state/Season.h"

#include <unordered_set>

namespace velmora {

namespace {
// Rows written between two repaints of the progress bar.
constexpr int kRowsPerRepaint = 20;
} // namespace

void WeekSimulation::run() {
    const Rows week =
        f.db().query("SELECT * FROM calendario where settimana=" + std::to_string(f.currentWeek) +
                     " order by settimana asc ");
    loadPlayers(week.empty() ? std::string() : week.at(calendario::kGame, 0).str());
    f.busy.assign(static_cast<size_t>(f.playerRows.rowCount()), 0);

    TournamentRules rules;
    rules.week = f.currentWeek;
    for (int row = 0; row <= f.playerRowsLast; ++row) {
        // The human is the only player without skills.
        if (f.playerRows.at(giocatori::kSkillUno, row).toInt() == 0) {
            rules.humanRow = row;
            break;
        }
    }
    const SimulatedTournament::RowIndex index = SimulatedTournament::indexPlayers(f.playerRows);
    TierTables tiers(f.db());
    SimulatedTournament tournament(f, rules, index, tiers);
    const bool finals = Season::isFinalsWeek(f.currentWeek);

    auto played = [&](int row) {
        return sameText(week.at(calendario::kEventName, row).str(), f.enteredEvent);
    };
    for (int row = 0; row <= week.last(); ++row) {
        if (played(row)) markPlayedEntrantsBusy();
    }
    for (int row = 0; row <= week.last(); ++row) {
        if (played(row)) {
            tournament.recordPlayed(week, row, f.roundPlayers);
        } else {
            tournament.simulate(week, row, finals ? FieldDraw::TopEight : FieldDraw::Open);
        }
    }
    writeBack();
}

// In the last weeks the list is ordered by the points of the week's final, so its first eight rows
// are the finalists; otherwise the human (no skills) comes first.
void WeekSimulation::loadPlayers(const std::string& firstGame) {
    std::string statement = "SELECT * FROM giocatori  order by uno asc, nome desc";
    const CardGame* game = findCardGame(firstGame);
    if (Season::isFinalsWeek(f.currentWeek) && game) {
        statement =
            std::string("SELECT * FROM giocatori  order by ") + game->pointsColumn + " desc,cognome asc";
    }
    f.playerRows = f.db().query(statement);
    f.playerRowsLast = f.playerRows.last();
}

// A player who sat at the human's tournament this week is not free for the others of the week.
void WeekSimulation::markPlayedEntrantsBusy() {
    std::unordered_set<std::string> entrants;
    for (const EntrantRow& entrant : f.roundPlayers) {
        if (entrant[entrant::kSurname].isEmpty() && entrant[entrant::kFirstName].isEmpty()) continue;
        entrants.insert(playerKey(entrant[entrant::kSurname].str(), entrant[entrant::kFirstName].str()));
    }
    for (int row = 0; row <= f.playerRowsLast; ++row) {
        if (entrants.count(playerKey(f.playerRows.at(giocatori::kSurname, row).str(),
                                     f.playerRows.at(giocatori::kFirstName, row).str()))) {
            f.busy[static_cast<size_t>(row)] = 1;
        }
    }
}

void WeekSimulation::writeBack() {
    Control& bar = f.c("Label9");
    bar.width = 0;
    bar.visible = true;
    f.yield();
    const int rows = f.playerRowsLast + 1;
    PointsWriter(f.db()).write(f.playerRows, f.playerRowsLast, [&](int row) {
        bar.width = static_cast<int>(static_cast<long long>(kProgressBarWidth) * (row + 1) / rows);
        if ((row + 1) % kRowsPerRepaint == 0 || row + 1 == rows) f.yield();
    });
    bar.visible = false;
}

} // namespace velmora
