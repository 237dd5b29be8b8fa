#include "career/SeasonReview.h"

#include "state/CardGame.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

namespace {

namespace sw = storico_settimane;

// A season's figures as the review shows them.
struct SeasonFigures {
    bool lived = false;
    // Per game (Uno, Hearts, Brisolo) and overall: played, won, finals reached.
    std::array<std::array<long, 3>, 4> record{};
    long moneyStart = 0, moneyEnd = 0;
    long placeStart = 0, placeEnd = 0;
    std::string best;
    std::vector<std::string> champions;
};

std::string placeText(long place) {
    return place > 0 ? std::to_string(place) + "°" : "-";
}

SeasonFigures figuresOf(Database& db, int season) {
    SeasonFigures figures;
    const std::string where = " where stagione=" + std::to_string(season);
    const Rows weeks = db.query("SELECT denaro, generale_mondo FROM " + std::string(sw::kTable) + where +
                                " order by settimana asc");
    if (weeks.empty()) return figures;
    figures.lived = true;
    figures.moneyStart = static_cast<long>(weeks.at(0, 0).toInt());
    figures.moneyEnd = static_cast<long>(weeks.at(0, weeks.last()).toInt());
    figures.placeStart = static_cast<long>(weeks.at(1, 0).toInt());
    figures.placeEnd = static_cast<long>(weeks.at(1, weeks.last()).toInt());
    // The final table's places are 1, 2 and the shared 3.
    const Rows record = db.query("SELECT gioco, count(*), sum(posizione=1), sum(posizione<=3) FROM storico_tornei" +
                                 where + " group by gioco");
    for (int r = 0; r <= record.last(); ++r) {
        const CardGame* game = findCardGame(record.at(0, r).str());
        if (!game) continue;
        const size_t k = static_cast<size_t>(game->pointsIndex - cardGames()[0].pointsIndex);
        for (size_t c = 0; c < 3; ++c) {
            const long value = static_cast<long>(record.at(static_cast<int>(c) + 1, r).toInt());
            figures.record[k][c] = value;
            figures.record[3][c] += value;
        }
    }
    const Rows best = db.query("SELECT posizione, torneo, gioco FROM storico_tornei" + where +
                               " order by posizione asc, giocatori desc, premio desc limit 1");
    if (!best.empty()) {
        figures.best = placeText(static_cast<long>(best.at(0, 0).toInt())) + " posto, " + best.at(1, 0).str() +
                       " (" + best.at(2, 0).str() + ")";
    }
    const Rows champions = db.query("SELECT gioco, cognome, nome FROM storico_campioni" + where +
                                    " order by settimana asc");
    for (int r = 0; r <= champions.last(); ++r)
        figures.champions.push_back(champions.at(0, r).str() + " " + champions.at(1, r).str() + " " +
                                    champions.at(2, r).str());
    return figures;
}

} // namespace

bool SeasonReview::show(int season) {
    const SeasonFigures now = figuresOf(f.db(), season);
    if (!now.lived) return false;
    const SeasonFigures before = season > 1 ? figuresOf(f.db(), season - 1) : SeasonFigures{};
    // The season before stands in brackets beside each figure.
    auto withBefore = [&](const std::string& value, const std::string& previous) {
        return before.lived ? value + " (" + previous + ")" : value;
    };
    f.c(kLabels, kTitle).text = "Stagione " + std::to_string(season) + ": il riepilogo" +
                                (before.lived ? " (tra parentesi la stagione " + std::to_string(season - 1) + ")"
                                              : std::string());
    f.c(kLabels, kCaptions).text = "\nTornei giocati\nVittorie\nFinali raggiunte";
    const char* headings[] = {"Uno", "Hearts", "Brisolo", "Totale"};
    for (size_t k = 0; k < 4; ++k) {
        std::string column = headings[k];
        for (size_t c = 0; c < 3; ++c)
            column += "\n" + withBefore(std::to_string(now.record[k][c]), std::to_string(before.record[k][c]));
        f.c(kLabels, kColumns + static_cast<int>(k)).text = column;
    }
    std::string lines =
        "Denaro: inizio €" + std::to_string(now.moneyStart) + ", fine €" + std::to_string(now.moneyEnd) +
        (before.lived ? " (€" + std::to_string(before.moneyStart) + ", €" + std::to_string(before.moneyEnd) + ")"
                      : "") +
        "\nPosto mondiale: inizio " + placeText(now.placeStart) + ", fine " + placeText(now.placeEnd) +
        (before.lived ? " (" + placeText(before.placeStart) + ", " + placeText(before.placeEnd) + ")" : "") +
        "\nMiglior risultato: " + withBefore(now.best.empty() ? "nessun torneo" : now.best,
                                             before.best.empty() ? "nessun torneo" : before.best) +
        "\nCampioni delle finali:";
    for (const std::string& champion : now.champions)
        lines += "\n   " + champion;
    if (now.champions.empty()) lines += " nessuna finale giocata";
    f.c(kLabels, kLines).text = lines;
    f.c("Picture12").visible = true;
    return true;
}

void SeasonReview::close() {
    f.c("Picture12").visible = false;
}

} // namespace velmora
