#include "tournament/Rounds.h"

#include "app/Form1.h"
#include "app/StoreColumns.h"
#include "tournament/GameSetUp.h"
#include "ui/DisabledWindow.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace velmora {

namespace {

// The two beaten finalists share third place. A fourth place would read as the place group 4 of
// the semifinal losers, and the board, the prize and the stored result would then disagree.
int sharedThird(int place) { return place > 3 ? 3 : place; }

constexpr int kEntrantRows = 512;
constexpr int kLinesPerPage = 64;
constexpr int kLinesPerColumn = 32;

bool named(const EntrantRow& row) {
    return !row[0].isEmpty() && !row[1].isEmpty();
}
bool stillIn(const EntrantRow& row) {
    return named(row) && row[8].isEmpty();
}

// Index of the first of rows [0, count) of a table holding the entrant, or -1.
int findIn(const EntrantTable& table, int count, const EntrantRow& entrant) {
    for (int i = 0; i < count && i < static_cast<int>(table.size()); ++i) {
        if (named(table[static_cast<size_t>(i)]) &&
            sameEntrant(table[static_cast<size_t>(i)], entrant[0].str(), entrant[1].str())) {
            return i;
        }
    }
    return -1;
}

void copyColumns(const EntrantRow& from, EntrantRow& to, int lastColumn) {
    std::copy(from.begin(), from.begin() + lastColumn + 1, to.begin());
}

// Refreshes each row of target from the first row of source [0, sourceCount) of the same entrant.
void refreshByName(EntrantTable& target, int targetCount, const EntrantTable& source, int sourceCount,
                   int lastColumn) {
    for (int k = 0; k < targetCount && k < static_cast<int>(target.size()); ++k) {
        EntrantRow& row = target[static_cast<size_t>(k)];
        if (!named(row)) continue;
        const int i = findIn(source, sourceCount, row);
        if (i >= 0) copyColumns(source[static_cast<size_t>(i)], row, lastColumn);
    }
}

struct PageStart {
    int group; // place group listed first
    int skip;  // entrants of that group already listed on earlier pages
    int place; // number of the first line
};

// Page 1 runs through the places from the winner down; each later page lists 64 entrants of the
// big groups that went out early (places 65-128 are group 64, 129-256 group 128, ...).
PageStart pageStart(int page) {
    if (page <= 1) return {1, 0, 1};
    const int first = kLinesPerPage * (page - 1); // places before the page
    int group = kLinesPerPage;
    while (group * 2 <= first)
        group *= 2;
    return {group, first - group, first + 1};
}

// The prize and points tier of a line: the tiers cover 1, 2, 3-4, 5-8, 9-16, 17-32, 33-64,
// then 65-128, 129-256 and 257-512.
int tierRow(int page, int line) {
    if (page <= 1) {
        if (line == 0) return 0;
        if (line == 1) return 1;
        if (line <= 3) return 2;
        if (line <= 7) return 3;
        if (line <= 15) return 4;
        if (line <= 31) return 5;
        return 6;
    }
    if (page == 2) return 7;
    if (page <= 4) return 8;
    return 9;
}

} // namespace

std::string Rounds::roundCaption(int qualifierCount, int& roundNumber) {
    switch (qualifierCount) {
    case 16:
        return "OTTAVI";
    case 8:
        return "QUARTI";
    case 4:
        return "SEMIFINALI";
    case 2:
        return "FINALE";
    default:
        return std::to_string(++roundNumber) + "° TURNO";
    }
}

int Rounds::prizePages(int entrants) {
    // 64 places a page; a field that is not a multiple of 64 still gets its last, shorter page.
    return std::max(1, (entrants + kLinesPerPage - 1) / kLinesPerPage);
}

void Rounds::Label49_Click() {
    DisabledWindow disabled(f.window());
    f.timer(5).setInterval(7000);
    f.c("Label44").visible = false;
    // The button has done its work: a second click must not seat or decide the round again.
    f.c("Label49").visible = false;

    // After the final (two qualifiers) the tournament is over whoever won it.
    const bool finalPlayed = f.qualifierCount == 2;
    bool humanOut = finalPlayed;
    if (!finalPlayed) humanOut = closeRoundForHuman();
    if (finalPlayed && f.currentGame == "Uno") placeUnoFinal();

    f.qualifierCount = static_cast<int>(roundEven(f.qualifierCount / 2.0));
    if (humanOut) {
        if (f.qualifierCount != 1) decideRest();
        fillPrizeBoard();
    } else {
        seatNextRound();
    }
    f.c("Label39").visible = false;
    f.c("Label8").visible = true;
}

bool Rounds::closeRoundForHuman() {
    const int seated = 4 * f.tableCount;
    bool humanOut = false;
    if (f.currentGame == "Uno") {
        const int human = findEntrant(f.roundPlayers, f.playerSurname, f.playerFirstName);
        humanOut = human >= 0 && f.roundPlayers[static_cast<size_t>(human)][7].num() > 0;
        // The two of each table who emptied their hands go on; whoever still holds cards is out.
        for (EntrantRow& row : f.roundPlayers) {
            const double table = row[6].num();
            if (table < 1 || table > f.tableCount) continue;
            row[6] = Value(0);
            row[8] = Value(row[7].isEmpty() ? 0 : 1);
        }
    } else {
        // Hearts and Brisolo mark who is out at every table in the table rows themselves.
        EntrantRow human;
        human.fill(Value(0));
        human[0] = Value(f.playerSurname);
        human[1] = Value(f.playerFirstName);
        const int row = findIn(f.tablePlayers, seated, human);
        humanOut = row >= 0 && f.tablePlayers[static_cast<size_t>(row)][8].num() == 1;
    }
    // Only the rows of the round just played are current; later rows of tablePlayers are left
    // over from earlier rounds.
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.tablePlayers, seated, 14);
    return humanOut;
}

void Rounds::placeUnoFinal() {
    // A finalist still holding cards when the table ended shares third place.
    for (int seat = 0; seat < 4; ++seat) {
        if (Value(f.c("Label40", seat).text).num() == 0) continue;
        const int row = findIn(f.tablePlayers, 4, f.seatNames[static_cast<size_t>(seat)]);
        if (row < 0) continue;
        f.tablePlayers[static_cast<size_t>(row)][8] = Value(1);
        f.tablePlayers[static_cast<size_t>(row)][9] = Value(3);
    }
    // The winner and the runner-up were placed while playing: whatever of 1, 2, 3, 3 is still
    // missing goes to the finalists without a place, in table order.
    std::vector<int> missing = {1, 2, 3, 3};
    std::vector<int> unplaced;
    for (int i = 0; i < 4; ++i) {
        const Value& place = f.tablePlayers[static_cast<size_t>(i)][9];
        auto it = std::find(missing.begin(), missing.end(), static_cast<int>(place.toInt()));
        if (place.isEmpty() || it == missing.end()) {
            if (place.isEmpty()) unplaced.push_back(i);
        } else {
            missing.erase(it);
        }
    }
    for (size_t k = 0; k < unplaced.size() && k < missing.size(); ++k) {
        f.tablePlayers[static_cast<size_t>(unplaced[k])][9] = Value(missing[k]);
    }
    for (int i = 0; i < 4; ++i) {
        const EntrantRow& finalist = f.tablePlayers[static_cast<size_t>(i)];
        if (!named(finalist)) continue;
        const int row = findEntrant(f.roundPlayers, finalist[0].str(), finalist[1].str());
        if (row >= 0) copyColumns(finalist, f.roundPlayers[static_cast<size_t>(row)], 10);
    }
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.tablePlayers, 4, 10);
}

template <class Condition> int Rounds::drawEntrant(Condition condition) {
    if (std::none_of(f.roundPlayers.begin(), f.roundPlayers.end(), condition)) {
        throw std::logic_error("Nessun giocatore disponibile per il sorteggio del turno.");
    }
    for (;;) {
        const auto r = static_cast<int>(f.random().upTo(kEntrantRows - 1));
        if (condition(f.roundPlayers[static_cast<size_t>(r)])) return r;
    }
}

void Rounds::decideRest() {
    while (f.qualifierCount > 2) {
        const int goingOut = f.qualifierCount;
        const auto remaining = std::count_if(f.roundPlayers.begin(), f.roundPlayers.end(), stillIn);
        for (int k = 0; k < goingOut && remaining - k > f.qualifierCount; ++k) {
            for (;;) {
                const int r = drawEntrant(stillIn);
                EntrantRow& row = f.roundPlayers[static_cast<size_t>(r)];
                // Players ranked among the best 5 x qualifierCount of the world survive three
                // draws in ten.
                if (row[5].num() < 5.0 * f.qualifierCount && f.random().upTo(1000) > 700) continue;
                row[8] = Value(1);
                row[9] = Value(f.qualifierCount);
                break;
            }
        }
        f.qualifierCount = static_cast<int>(roundEven(f.qualifierCount / 2.0));
    }
    decideFinal();
}

void Rounds::decideFinal() {
    std::vector<int> finalists;
    for (int i = 0; i < kEntrantRows; ++i) {
        if (stillIn(f.roundPlayers[static_cast<size_t>(i)])) finalists.push_back(i);
    }
    const auto row = [&](int k) -> EntrantRow& {
        return f.roundPlayers[static_cast<size_t>(finalists[static_cast<size_t>(k)])];
    };
    const int count = static_cast<int>(finalists.size());
    if (count == 0) return;

    if (f.currentGame == "Hearts") {
        std::array<bool, 5> taken{};
        for (int k = 0; k < count && k < 4; ++k) {
            long long p = 0;
            do {
                p = f.random().upTo(3);
            } while (taken[static_cast<size_t>(p + 1)]);
            taken[static_cast<size_t>(p + 1)] = true;
            row(k)[9] = Value(sharedThird(static_cast<int>(p) + 1));
            row(k)[8] = Value(1);
        }
    } else if (f.currentGame == "Uno") {
        // Ranking points weigh the draw; everybody counts at least 100 so nobody is left out.
        std::vector<double> cumulative;
        double sum = 0;
        for (int k = 0; k < count; ++k) {
            if (row(k)[4].num() < 100) row(k)[4] = Value(100);
            sum += row(k)[4].num();
            cumulative.push_back(sum);
        }
        std::vector<bool> placed(static_cast<size_t>(count), false);
        for (int place = 1; place <= std::min(count, 4); ++place) {
            for (;;) {
                // x falls in finalist k's share [c(k-1), c(k)) with odds weight / total; the top
                // end itself belongs to nobody and is drawn again.
                const double x = static_cast<double>(f.random().upTo(cumulative.back()));
                int candidate = -1;
                for (int k = 0; k < count && candidate < 0; ++k) {
                    if (x < cumulative[static_cast<size_t>(k)]) candidate = k;
                }
                if (candidate < 0 || placed[static_cast<size_t>(candidate)]) continue;
                placed[static_cast<size_t>(candidate)] = true;
                row(candidate)[9] = Value(sharedThird(place));
                break;
            }
        }
    } else if (f.currentGame == "Brisolo") {
        int thirds = 0, seconds = 0, firsts = 0;
        for (int k = 0; k < count; ++k) {
            const double place = row(k)[9].num();
            thirds += place == 3;
            seconds += place == 2;
            firsts += place == 1;
        }
        if (thirds == 2 && seconds == 1 && firsts == 1) return;
        // Ranked on the points, manches and best manche of the background play; on a full tie the
        // later finalist wins, as the later of two equal cards takes a manche.
        for (int place = 1; place <= 4; ++place) {
            int best = -1;
            for (int k = 0; k < count; ++k) {
                const EntrantRow& r = row(k);
                if (!r[9].isEmpty()) continue;
                if (best < 0) {
                    best = k;
                    continue;
                }
                const EntrantRow& b = row(best);
                const double p = r[11].num(), pb = b[11].num();
                const double m = r[12].num(), mb = b[12].num();
                const double mp = r[14].num(), mpb = b[14].num();
                if (p > pb || (p == pb && m > mb) || (p == pb && m == mb && mp >= mpb)) best = k;
            }
            if (best < 0) break;
            EntrantRow& winner = row(best);
            winner[9] = Value(sharedThird(place));
            winner[8] = Value(1);
            for (int c = 11; c <= 14; ++c)
                winner[static_cast<size_t>(c)] = Value(0);
        }
    }
}

void Rounds::seatNextRound() {
    const std::string caption = roundCaption(f.qualifierCount, f.roundNumber);
    f.tableCount = static_cast<int>(roundEven(f.tableCount / 2.0));
    f.humanTable = 0;
    for (EntrantRow& row : f.roundPlayers) {
        row[6] = Value(0);
        row[7] = Value(0);
        for (int c = 11; c <= 14; ++c)
            row[static_cast<size_t>(c)] = Value("0");
    }

    Control& tables = f.c("Combo7");
    tables.items.clear();
    tables.text.clear();
    tables.listIndex = -1;
    const auto free = [](const EntrantRow& row) { return stillIn(row) && row[6].isEmpty(); };
    for (int t = 1; t <= f.tableCount; ++t) {
        tables.items.push_back(std::to_string(t));
        for (int seat = 0; seat < 4; ++seat) {
            const int r = drawEntrant(free);
            EntrantRow& row = f.roundPlayers[static_cast<size_t>(r)];
            row[6] = Value(t);
            row[7] = Value(13);
            row[8] = Value(0);
            if (r == 0) f.humanTable = t;
        }
    }

    refreshByName(f.tablePlayers, 4 * f.tableCount, f.roundPlayers, kEntrantRows, 14);
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.roundPlayers, kEntrantRows, 14);
    for (EntrantRow& row : f.roundPlayers) {
        if (row[8].num() == 1) {
            for (int c = 11; c <= 14; ++c)
                row[static_cast<size_t>(c)] = Value(0);
        }
    }
    for (EntrantRow& row : f.boardRows) {
        if (row[8].num() == 1) {
            for (int c = 11; c <= 14; ++c)
                row[static_cast<size_t>(c)] = Value(0);
        }
    }

    setUpGameTable(f);
    f.window().setComboText(f.c("Combo7"), std::to_string(f.humanTable));
    f.c("Label38", 10).text = "TAVOLO " + std::to_string(f.humanTable);
    f.c("Label38", 20).text = caption;
    f.c("Label38", 5).text.clear();
    f.c("Label38", 18).text.clear();
}

void Rounds::fillPrizeBoard() {
    const std::string host = f.eventRows.at(calendario::kHostNation, 0).str();
    Control& flag = f.c("Image16");
    if (host == "conti") {
        // A continental event is held in no one nation: no host flag.
        flag.visible = false;
    } else {
        // A national championship is held in the player's own nation.
        const std::string key = host == "nazio" ? f.roundPlayers[0][3].str() : host;
        f.loadPicture(flag, Form1::flagPath(key));
        flag.visible = true;
    }
    f.c("Label40", 5).text = f.enteredEvent;

    Control& pages = f.c("Combo8");
    pages.items.clear();
    pages.text.clear();
    pages.listIndex = -1;
    const int count = prizePages(static_cast<int>(f.eventRows.at(calendario::kEntrants, 0).toInt()));
    for (int page = 1; page <= count; ++page)
        pages.items.push_back(std::to_string(page));
    f.window().setComboText(pages, "1");
    f.c("Picture7").visible = true;
}

void Rounds::Combo8_Click() {
    DisabledWindow disabled(f.window());
    listPrizePage();
}

void Rounds::listPrizePage() {
    const std::string level = f.eventRows.at(calendario::kImportance, 0).str();
    Rows prizes = f.db().query("SELECT * FROM premi where importanza=" + level + " order by id asc ");
    Rows points =
        f.db().query("SELECT * FROM punti where importanza=" + level + " order by punti desc,da asc ");

    for (int i = 0; i < kLinesPerPage; ++i) {
        Control& flag = f.c("Image17", i);
        flag.visible = false;
        flag.stretch = true;
    }
    for (int item : {6, 7, 10, 11, 12, 13})
        f.c("Label40", item).text.clear();

    const int page = std::max(1, static_cast<int>(Value(f.c("Combo8").text).toInt()));
    PageStart start = pageStart(page);
    int group = start.group;
    int skip = start.skip;
    int place = start.place;
    int line = 0;
    // Groups go up one at a time; the ones nobody holds (5, 6, 7, 9, ...) list nobody.
    for (int scan = 0; scan < kLinesPerPage && line < kLinesPerPage; ++scan, ++group) {
        for (const EntrantRow& row : f.roundPlayers) {
            if (line >= kLinesPerPage) break;
            if (!named(row) || row[9].num() != group) continue;
            if (skip > 0) {
                --skip;
                continue;
            }
            const bool left = line < kLinesPerColumn;
            f.c("Label40", left ? 6 : 7).text +=
                std::to_string(place) + ". " + row[0].str() + " " + row[1].str() + "\n";
            Control& flag = f.c("Image17", line);
            f.loadPicture(flag, Form1::flagPath(row[3].str()));
            flag.visible = true;
            const int tier = tierRow(page, line);
            f.c("Label40", left ? 10 : 12).text += prizes.at(1, tier).str() + "\n";
            f.c("Label40", left ? 11 : 13).text += points.at(1, tier).str() + "\n";
            ++place;
            ++line;
        }
    }
}

} // namespace velmora
