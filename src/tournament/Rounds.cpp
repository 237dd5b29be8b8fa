#include "tournament/Rounds.h"

#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "tournament/GameSetUp.h"
#include "tournament/GameTable.h"
#include "ui/DisabledWindow.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace velmora {

namespace {

constexpr int kEntrantRows = 512;
constexpr int kLinesPerPage = 64;
constexpr int kLinesPerColumn = 32;

bool stillIn(const EntrantRow& row) {
    return namedEntrant(row) && row[entrant::kOut].isEmpty();
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
    if (finalPlayed) {
        if (GameTable* game = f.gameTable()) game->placePlayedFinal();
    }

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
    GameTable* game = f.gameTable();
    const bool humanOut = game && game->humanOutOfRound();
    // Only the rows of the round just played are current; later rows of tablePlayers are left
    // over from earlier rounds.
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.tablePlayers, seated, 14);
    return humanOut;
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
                if (row[entrant::kWorldPosition].num() < 5.0 * f.qualifierCount &&
                    f.random().upTo(1000) > 700)
                    continue;
                row[entrant::kOut] = Value(1);
                row[entrant::kPlaceGroup] = Value(f.qualifierCount);
                break;
            }
        }
        f.qualifierCount = static_cast<int>(roundEven(f.qualifierCount / 2.0));
    }
    decideFinal();
}

void Rounds::decideFinal() {
    std::vector<EntrantRow*> finalists;
    for (EntrantRow& row : f.roundPlayers) {
        if (stillIn(row)) finalists.push_back(&row);
    }
    GameTable* game = f.gameTable();
    if (finalists.empty() || !game) return;
    game->decideFinal(finalists);
}

void Rounds::seatNextRound() {
    const std::string caption = roundCaption(f.qualifierCount, f.roundNumber);
    f.tableCount = static_cast<int>(roundEven(f.tableCount / 2.0));
    f.humanTable = 0;
    for (EntrantRow& row : f.roundPlayers) {
        row[entrant::kTable] = Value(0);
        row[entrant::kCards] = Value(0);
        for (int c = entrant::kFirstScore; c <= entrant::kLastScore; ++c)
            row[static_cast<size_t>(c)] = Value("0");
    }

    Control& tables = f.c("Combo7");
    tables.items.clear();
    tables.text.clear();
    tables.listIndex = -1;
    const auto free = [](const EntrantRow& row) { return stillIn(row) && row[entrant::kTable].isEmpty(); };
    // Every table of the round starts from the game's own deal: ten cards at Uno, thirteen at the
    // others (a fixed 13 had Uno's other tables count down from three cards nobody was dealt).
    GameTable* game = f.gameTable();
    const int dealt = game ? game->handSize() : 13;
    for (int t = 1; t <= f.tableCount; ++t) {
        tables.items.push_back(std::to_string(t));
        for (int seat = 0; seat < 4; ++seat) {
            const int r = drawEntrant(free);
            EntrantRow& row = f.roundPlayers[static_cast<size_t>(r)];
            row[entrant::kTable] = Value(t);
            row[entrant::kCards] = Value(dealt);
            row[entrant::kOut] = Value(0);
            if (r == 0) f.humanTable = t;
        }
    }

    refreshByName(f.tablePlayers, 4 * f.tableCount, f.roundPlayers, kEntrantRows, 14);
    refreshByName(f.boardRows, static_cast<int>(f.boardRows.size()), f.roundPlayers, kEntrantRows, 14);
    for (EntrantRow& row : f.roundPlayers) {
        if (row[entrant::kOut].num() == 1) {
            for (int c = entrant::kFirstScore; c <= entrant::kLastScore; ++c)
                row[static_cast<size_t>(c)] = Value(0);
        }
    }
    for (EntrantRow& row : f.boardRows) {
        if (row[entrant::kOut].num() == 1) {
            for (int c = entrant::kFirstScore; c <= entrant::kLastScore; ++c)
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
        const std::string key = host == "nazio" ? f.roundPlayers[0][entrant::kFlag].str() : host;
        f.loadPicture(flag, GameContext::flagPath(key));
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
    // A field of more than one page may list him beyond the first: the board says where.
    if (Control* own = f.window().find("Label80")) {
        own->text = "La tua riga: pagina " + std::to_string(humanPrizePage());
        own->visible = count > 1;
    }
    f.c("Picture7").visible = true;
}

int Rounds::humanPrizePage() {
    // The board lists the place groups upwards, each in the entrants' order.
    const int human = findEntrant(f.roundPlayers, f.playerSurname, f.playerFirstName);
    if (human < 0) return 1;
    const double group = f.roundPlayers[static_cast<size_t>(human)][entrant::kPlaceGroup].num();
    int before = 0;
    for (size_t r = 0; r < f.roundPlayers.size(); ++r) {
        const EntrantRow& row = f.roundPlayers[r];
        if (!namedEntrant(row) || static_cast<int>(r) == human) continue;
        const double other = row[entrant::kPlaceGroup].num();
        if (other < group || (other == group && static_cast<int>(r) < human)) ++before;
    }
    return before / kLinesPerPage + 1;
}

void Rounds::Label80_Click() {
    f.window().setComboText(f.c("Combo8"), std::to_string(humanPrizePage()));
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
    Control* own = f.window().find("PrizeStripe");
    if (own) own->visible = false;

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
            if (!namedEntrant(row) || row[entrant::kPlaceGroup].num() != group) continue;
            if (skip > 0) {
                --skip;
                continue;
            }
            const bool left = line < kLinesPerColumn;
            if (own && sameEntrant(row, f.playerSurname, f.playerFirstName)) {
                // His own line stands out on a stripe of its own across the column, one line
                // high and centred on the line's flag, as the line's text is.
                const Control& names = f.c("Label40", left ? 6 : 7);
                const Control& sheet = f.c("PrizeSheet", left ? 0 : 1);
                const Control& lineFlag = f.c("Image17", line);
                own->left = sheet.left + 60;
                own->width = sheet.width - 120;
                own->height = names.linePitch;
                own->top = lineFlag.top + lineFlag.height / 2 - own->height / 2;
                own->visible = true;
            }
            f.c("Label40", left ? 6 : 7).text += std::to_string(place) + ". " + row[entrant::kSurname].str() +
                                                 " " + row[entrant::kFirstName].str() + "\n";
            Control& flag = f.c("Image17", line);
            f.loadPicture(flag, GameContext::flagPath(row[entrant::kFlag].str()));
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
