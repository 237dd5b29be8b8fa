#include "tournament/TournamentStart.h"

#include "data/Quoting.h"
#include "state/CardGame.h"
#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "tournament/GameSetUp.h"
#include "tournament/GameTable.h"
#include "ui/DisabledWindow.h"
#include "state/Season.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace velmora {

namespace {

constexpr int kEntrantRows = 512;
constexpr int kBoardRows = 20;

using Name = std::pair<std::string, std::string>;

Name nameOf(const Rows& rows, int row) {
    return {rows.at(giocatori::kSurname, row).str(), rows.at(giocatori::kFirstName, row).str()};
}

// World position of each name: 1 + its row in the ranking (the last row when a name repeats).
std::map<Name, int> worldPositions(const Rows& worldRanking) {
    std::map<Name, int> positions;
    for (int r = 0; r <= worldRanking.last(); ++r)
        positions[nameOf(worldRanking, r)] = r + 1;
    return positions;
}

// Fills an entrant row from a giocatori row of playerRows.
void enterEntrant(GameContext& f, EntrantRow& entrant, int row, const std::map<Name, int>& positions) {
    const Rows& p = f.playerRows;
    entrant[entrant::kSurname] = p.at(giocatori::kSurname, row);
    entrant[entrant::kFirstName] = p.at(giocatori::kFirstName, row);
    entrant[entrant::kAge] = p.at(giocatori::kAge, row);
    entrant[entrant::kFlag] = p.at(giocatori::kFlagKey, row);
    entrant[entrant::kRankingPoints] = p.at(giocatori::kTotalPoints, row);
    const auto position = positions.find(nameOf(p, row));
    entrant[entrant::kWorldPosition] = Value(position == positions.end() ? 0 : position->second);
    const GameTable* game = f.gameTable();
    entrant[entrant::kCards] = Value(game ? game->handSize() : 0);
}

// A field is a knock-out of tables of four halving down to one final table, and the entrant
// table holds 512 rows: so 4, 8, 16, ... 512 players.
bool playableFieldSize(int players) {
    return players >= 4 && players <= kEntrantRows && (players & (players - 1)) == 0;
}

long long skillSum(const Rows& players, int row) {
    return players.at(giocatori::kSkillUno, row).toInt() + players.at(giocatori::kSkillHearts, row).toInt() +
           players.at(giocatori::kSkillBrisolo, row).toInt();
}

std::string joinLines(const std::string& title, const std::vector<std::string>& paragraphs) {
    std::string sheet = title + "\n\n";
    for (size_t i = 0; i < paragraphs.size(); ++i)
        sheet += (i ? "\n" : "") + paragraphs[i];
    return sheet;
}

} // namespace

std::string TournamentStart::ruleSheet(const std::string& game) {
    if (game == "Uno") {
        return joinLines("UNO", {
                                    "Le regole del gioco sono le stesse che nella modalita' classica, tranne "
                                    "quattro punti fondamentali:",
                                    "1) non si possono sommare le carte pesca",
                                    "2) sul pesca 4 non c'e' la possibilita' di accusare di bluff",
                                    "3) ogni giocatore parte con 10 carte",
                                    "4) si puo' terminare le carte con qualsiasi carta",
                                    "I primi due giocatori che terminano le carte sono i giocatori che "
                                    "accedono al turno successivo",
                                });
    }
    if (game == "Brisolo") {
        return joinLines("BRISOLO",
                         {
                             "Si gioca con il mazzo da 52 carte, con l'asso la carta piu'alta. Ogni "
                             "giocatore riceve 13 carte. Il "
                             "giocatore che inizia la partita(sorteggiato) gioca una carta e via discorrendo "
                             "anche gli altri "
                             "giocatori, chi gioca per la carta piu' alta(in caso di parita', l'ultimo ad "
                             "averla giocata) vince la "
                             "manche. Chi vince la manche , nella successiva manche, partira' per primo.",
                             "Chi vince la manche prende i punti delle carte vinte(Asso 14 punti e cosi' a "
                             "scalare fino al due che "
                             "vale 2 punti).",
                             "I due giocatori con piu' punti al termine delle carte da giocare passano il "
                             "turno, in caso di arrivo in "
                             "parita' al secondo posto passa chi ha vinto l'ultima manche cosi' come se ci "
                             "sono tre giocatori al "
                             "primo posto a pari merito, passano i due giocatori ad aver vinto le ultime "
                             "manche, nel caso il secondo "
                             "e il terzo non abbiano vinto nessuna manche il turno e' passato dal giocatore "
                             "che ha fatto piu' punti "
                             "in una singola manche.",
                             "In caso di ulteriore parita' si ricorrera' al sorteggio.",
                         });
    }
    if (game == "Hearts") {
        return joinLines(
            "Hearts",
            {
                "Si gioca su un manche sola. I due giocatori che hanno meno punti si qualificano. Nel caso "
                "di pari merito "
                "nel punteggio, passa il turno chi ha la carta di cuori piu' bassa.",
                "Nel caso un giocatore dovesse fare la luna, passa insieme a lui chi gli ha passato la luna.",
                "Il passaggio delle tre carte viene sorteggiato, comunque ci deve sempre essere un passaggio "
                "di carte.",
            });
    }
    return {};
}

int TournamentStart::leastSkillSum(int slot) {
    return 3 * (8 - static_cast<int>(roundEven(slot / 10.0)));
}

void TournamentStart::Label39_Click() {
    DisabledWindow disabled(f.window());
    f.c("Label44").visible = false;

    std::string event = f.temp().text("evento");
    f.enteredEvent = event;
    Rows finalists; // the eight best of the game, when this is the season final he qualified for
    if (Value(event).isEmpty() && Season::isFinalsWeek(f.currentWeek)) {
        // The season final: the week's one event, open only to the eight best of its game.
        Rows week =
            f.db().query("SELECT * FROM calendario where  settimana=" + std::to_string(f.currentWeek));
        if (week.empty()) return;
        const std::string game = week.at(calendario::kGame, 0).str();
        finalists = bestEight(game);
        if (!amongFinalists(finalists)) return;
        event = week.at(calendario::kEventName, 0).str();
        f.enteredEvent = event;
        f.currentGame = game;
    }

    Rows eventRows = f.db().query("SELECT * FROM calendario where  torneo='" + fApici(event) + "' ");
    if (eventRows.empty()) return; // nothing entered: the dashboard offers no tournament to play
    const int players = static_cast<int>(eventRows.at(calendario::kEntrants, 0).toInt());
    Rows worldRanking = f.db().query("SELECT * FROM giocatori order by totalepunti desc");
    Rows playerRows = f.db().query("SELECT * FROM giocatori  order by uno asc");
    // Checked before anything changes, so a refused start leaves the career screen as it was.
    if (!playableFieldSize(players)) {
        refuse("Questo torneo non ha un numero di giocatori valido.");
        return;
    }
    const bool seasonFinal = finalists.rowCount() == players;
    if (!seasonFinal && !fieldCanBeFilled(playerRows, players)) {
        refuse("Non ci sono abbastanza giocatori per completare il tabellone di questo torneo.");
        return;
    }

    f.eventRows = std::move(eventRows);
    f.currentGame = f.eventRows.at(calendario::kGame, 0).str();
    f.qualifierCount = static_cast<int>(roundEven(players / 2.0));
    f.c("Label46").text = ruleSheet(f.currentGame);
    f.roundNumber = 1;
    f.playerRows = std::move(playerRows);
    f.playerRowsLast = f.playerRows.last();

    clearEntrantTable(f.roundPlayers);
    clearEntrantTable(f.tablePlayers);
    f.tableCount = static_cast<int>(roundEven(players / 4.0));
    if (seasonFinal)
        enterFinalists(finalists, worldRanking);
    else
        drawField(players, worldRanking);

    Control& tables = f.c("Combo7");
    tables.items.clear();
    tables.text.clear();
    tables.listIndex = -1;
    for (int t = 1; t <= f.tableCount; ++t)
        tables.items.push_back(std::to_string(t));
    seatFirstRound(players);

    clearEntrantTable(f.boardRows);
    fillBoardRows();
    for (int i = 27; i <= 29; ++i)
        f.c("Image11", i).visible = false;

    setUpGameTable(f);

    f.window().setComboText(f.c("Combo7"), std::to_string(f.humanTable));
    f.c("Label38", 10).text = "TAVOLO " + std::to_string(f.humanTable);
    f.c("Label38", 20).text = std::to_string(f.roundNumber) + "° TURNO";
}

Rows TournamentStart::bestEight(const std::string& game) {
    const CardGame* played = findCardGame(game);
    if (!played) return Rows();
    // Ordered exactly as the dashboard that entered him orders it, first names breaking the ties
    // of equal points and surnames, so the two always agree on who the eight are.
    return f.db().query(std::string("SELECT top 8 * FROM giocatori  order by ") + played->pointsColumn +
                        " desc,cognome asc,nome asc");
}

bool TournamentStart::amongFinalists(const Rows& best) {
    for (int r = 0; r <= best.last(); ++r) {
        if (nameOf(best, r) == Name{f.playerSurname, f.playerFirstName}) return true;
    }
    return false;
}

bool TournamentStart::fieldCanBeFilled(const Rows& playerRows, int players) {
    // Each name counts once (the draw never enters a player twice) with the best skill sum any of
    // its rows has; the human's own name can never be drawn.
    const Name human = nameOf(playerRows, 0);
    std::map<Name, long long> bestSum;
    for (int r = 1; r <= playerRows.last(); ++r) {
        const Name name = nameOf(playerRows, r);
        if (name == human) continue;
        const long long sum = skillSum(playerRows, r);
        auto [it, added] = bestSum.emplace(name, sum);
        if (!added) it->second = std::max(it->second, sum);
    }
    std::vector<long long> sums;
    for (const auto& entry : bestSum)
        sums.push_back(entry.second);
    std::sort(sums.begin(), sums.end(), std::greater<>());
    // The bars only fall from slot to slot, so slot i can be filled exactly when at least i players
    // clear its bar: the i - 1 taken before it cleared a higher one.
    for (int slot = 1; slot < players; ++slot) {
        if (static_cast<int>(sums.size()) < slot ||
            sums[static_cast<size_t>(slot - 1)] < leastSkillSum(slot)) {
            return false;
        }
    }
    return true;
}

void TournamentStart::enterFinalists(const Rows& finalists, const Rows& worldRanking) {
    // The final is the eight best of its game, whatever their all-round skills: the seven beside the
    // human are those of the very ranking that qualified him, in its order.
    const std::map<Name, int> positions = worldPositions(worldRanking);
    std::map<Name, int> rowOf;
    for (int r = f.playerRowsLast; r >= 1; --r)
        rowOf[nameOf(f.playerRows, r)] = r;
    int slot = 1;
    for (int r = 0; r <= finalists.last(); ++r) {
        const Name name = nameOf(finalists, r);
        if (name == Name{f.playerSurname, f.playerFirstName}) continue;
        const auto found = rowOf.find(name);
        if (found == rowOf.end()) continue;
        enterEntrant(f, f.roundPlayers[static_cast<size_t>(slot++)], found->second, positions);
    }
    enterEntrant(f, f.roundPlayers[0], 0, positions);
}

void TournamentStart::drawField(int players, const Rows& worldRanking) {
    const std::map<Name, int> positions = worldPositions(worldRanking);
    auto enter = [&](EntrantRow& entrant, int row) { enterEntrant(f, entrant, row, positions); };
    enter(f.roundPlayers[0], 0);
    for (int slot = 1; slot < players; ++slot) {
        for (bool stored = false; !stored;) {
            do {
                f.pickIndex = f.random().upTo(f.playerRowsLast);
            } while (f.pickIndex == 0);
            const int row = static_cast<int>(f.pickIndex);
            if (leastSkillSum(slot) > skillSum(f.playerRows, row)) continue;
            const Name name = nameOf(f.playerRows, row);
            for (EntrantRow& entrant : f.roundPlayers) {
                if (sameEntrant(entrant, name.first, name.second)) break; // already in: draw again
                if (entrant[entrant::kSurname].isEmpty()) {
                    enter(entrant, row);
                    stored = true;
                    break;
                }
            }
        }
    }
}

void TournamentStart::seatFirstRound(int players) {
    f.humanTable = 0;
    for (int t = 1; t <= f.tableCount; ++t) {
        for (int seat = 0; seat < 4; ++seat) {
            long long r = 0;
            do {
                r = f.random().upTo(players - 1);
            } while (!f.roundPlayers[static_cast<size_t>(r)][entrant::kTable].isEmpty());
            f.roundPlayers[static_cast<size_t>(r)][entrant::kTable] = Value(t);
            if (r == 0) f.humanTable = t;
        }
    }
}

void TournamentStart::fillBoardRows() {
    // Best first by ranking points; on equal points the earlier entrant. Once every entrant is on
    // the board (a field under twenty), the last one chosen fills the remaining rows.
    int chosen = -1;
    for (int k = 0; k < kBoardRows; ++k) {
        int best = -1;
        for (int i = 0; i < kEntrantRows; ++i) {
            const EntrantRow& row = f.roundPlayers[static_cast<size_t>(i)];
            if (row[entrant::kSurname].isEmpty() || row[entrant::kOnBoard].num() == 1) continue;
            if (best < 0 || row[entrant::kRankingPoints].num() >
                                f.roundPlayers[static_cast<size_t>(best)][entrant::kRankingPoints].num())
                best = i;
        }
        if (best >= 0) {
            chosen = best;
            f.roundPlayers[static_cast<size_t>(chosen)][entrant::kOnBoard] = Value(1);
        }
        if (chosen < 0) break;
        const EntrantRow& source = f.roundPlayers[static_cast<size_t>(chosen)];
        std::copy(source.begin(), source.begin() + 11, f.boardRows[static_cast<size_t>(k)].begin());
    }
}

void TournamentStart::refuse(const std::string& message) {
    f.platform().messageBox(message, f.appTitle);
}

} // namespace velmora
