#include "rankings/Statistics.h"

#include "rankings/CareerRecord.h"
#include "rankings/RecordPanels.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"
#include "state/StoreColumns.h"

#include <algorithm>
#include <array>
#include <string>

namespace velmora {

namespace {

constexpr int kWeeksInSeason = 52;

// The four rankings as the dashboard lists them, each with its line's colour.
struct Ranking {
    const char* name;
    std::uint32_t color;
};
constexpr std::array<Ranking, 4> kRankings = {{{"Generale", 0x10301D},
                                                {"Uno", 0xC0392B},
                                                {"Hearts", 0x2E5FA8},
                                                {"Brisolo", 0xB7791F}}};
constexpr std::uint32_t kMoneyLine = 0x7A5A10;

// The week's place on a line running through every season of the career.
double timeline(int season, int week) {
    return (season - 1) * kWeeksInSeason + week;
}

std::string placeText(int place) {
    return place > 0 ? std::to_string(place) + "°" : "-";
}

std::string plural(long count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Lines joined with line feeds, one label per column as every table of the game.
void setLines(Control& label, const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    label.text = text;
}

} // namespace

void Statistics::open() {
    RecordPanels::show(f.window(), "Picture9");
    redraw();
}

void Statistics::redraw() {
    const Rows weeks = f.db().query(std::string("SELECT * FROM ") + storico_settimane::kTable +
                                    " order by stagione asc, settimana asc");
    const Rows tournaments = f.db().query(std::string("SELECT * FROM ") + storico_tornei::kTable +
                                          " order by stagione asc, settimana asc");
    const std::string name = f.temp().text("tuonome") + " " + f.temp().text("tuocognome");
    std::string summary = name + "  -  ";
    if (weeks.empty()) {
        summary += "la sua storia comincia con la prossima settimana";
    } else {
        const int seasons = static_cast<int>(weeks.at(storico_settimane::kSeason, weeks.last()).toInt());
        summary += plural(seasons, "stagione", "stagioni") + ", " +
                   plural(weeks.rowCount(), "settimana", "settimane") + ", " +
                   plural(tournaments.rowCount(), "torneo giocato", "tornei giocati");
    }
    f.c(kLabels, kSummary).text = summary;
    drawCharts(weeks);
    drawRecord(tournaments);
}

void Statistics::drawCharts(const Rows& weeks) {
    Chart places;
    places.yReversed = true;
    places.yLogarithmic = true;
    for (const Ranking& ranking : kRankings)
        places.series.push_back({ranking.name, ranking.color, {}});
    Chart money;
    money.series.push_back({"Denaro", kMoneyLine, {}});

    int markedSeason = 0;
    for (int r = 0; r <= weeks.last(); ++r) {
        const int season = static_cast<int>(weeks.at(storico_settimane::kSeason, r).toInt());
        const double x = timeline(season, static_cast<int>(weeks.at(storico_settimane::kWeek, r).toInt()));
        if (season != markedSeason) {
            places.xMarks.emplace_back(x, "Stagione " + std::to_string(season));
            markedSeason = season;
        }
        for (size_t k = 0; k < kRankings.size(); ++k) {
            // His world place in that ranking; a week he was not ranked leaves a gap in no line.
            const double place = weeks.at(storico_settimane::place(static_cast<int>(k), 0), r).num();
            if (place > 0) places.series[k].points.emplace_back(x, place);
        }
        money.series[0].points.emplace_back(x, weeks.at(storico_settimane::kMoney, r).num());
    }
    if (!weeks.empty()) {
        places.xMin = timeline(static_cast<int>(weeks.at(storico_settimane::kSeason, 0).toInt()),
                               static_cast<int>(weeks.at(storico_settimane::kWeek, 0).toInt()));
        places.xMax = std::max(places.xMin + 1,
                               timeline(static_cast<int>(weeks.at(storico_settimane::kSeason, weeks.last()).toInt()),
                                        static_cast<int>(weeks.at(storico_settimane::kWeek, weeks.last()).toInt())));
    }
    money.xMarks = places.xMarks;
    money.xMin = places.xMin;
    money.xMax = places.xMax;
    f.c(kPlacesChart).chart = std::move(places);
    f.c(kMoneyChart).chart = std::move(money);
}

std::vector<std::string> Statistics::enterableKinds() {
    // Continental championships are by invitation only: he never plays one.
    const Rows events = f.db().query("SELECT * FROM calendario where not nazione='conti' order by importanza asc ");
    std::vector<std::string> kinds;
    for (int r = 0; r <= events.last(); ++r) {
        const std::string kind = events.at(calendario::kKind, r).str();
        if (!kind.empty() && std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) kinds.push_back(kind);
    }
    return kinds;
}

void Statistics::drawRecord(const Rows& tournaments) {
    const CareerRecord record(tournaments);
    const std::vector<std::string> kinds = enterableKinds();

    std::vector<std::string> captions = {"Tornei giocati", "Vittorie", "Finali raggiunte", "Miglior piazzamento"};
    for (const std::string& kind : kinds)
        captions.push_back("   " + kind);
    captions.push_back("Premi vinti");
    captions.push_back("Punti conquistati");
    setLines(f.c(kLabels, kRecordRows), captions);

    const GameRecord* columns[] = {&record.game(CareerRecord::kGames[0]), &record.game(CareerRecord::kGames[1]),
                                   &record.game(CareerRecord::kGames[2]), &record.overall()};
    for (int c = 0; c < 4; ++c) {
        const GameRecord& game = *columns[c];
        std::vector<std::string> lines = {std::to_string(game.played), std::to_string(game.won),
                                          std::to_string(game.finals), ""};
        for (const std::string& kind : kinds) {
            const auto best = game.bestPlace.find(kind);
            lines.push_back(placeText(best == game.bestPlace.end() ? 0 : best->second));
        }
        lines.push_back("€" + std::to_string(game.prize));
        lines.push_back(std::to_string(game.points));
        setLines(f.c(kLabels, kRecordColumns + c), lines);
    }
    const std::string best = record.bestGame();
    f.c(kLabels, kBestGame).text =
        best.empty() ? "Nessun torneo giocato" : "Il suo gioco migliore: " + best + " (" +
                                                     std::to_string(record.game(best).points) + " punti)";

    // The shelf: his trophies and his finals, the latest first.
    auto shelf = [&](const std::vector<PlayedEvent>& events, int firstColumn, bool withPlace) {
        const int count = withPlace ? kFinalColumnCount : kWinColumnCount;
        std::vector<std::vector<std::string>> columnsText(static_cast<size_t>(count));
        const size_t shown = std::min(events.size(), static_cast<size_t>(kShelfLines));
        for (size_t i = 0; i < shown; ++i) {
            const PlayedEvent& played = events[i];
            std::vector<std::string> cells = {std::to_string(played.season), std::to_string(played.week),
                                              played.game};
            if (withPlace) cells.push_back(placeText(played.place));
            cells.push_back(played.event);
            for (int c = 0; c < count; ++c)
                columnsText[static_cast<size_t>(c)].push_back(cells[static_cast<size_t>(c)]);
        }
        if (events.size() > shown) {
            // The older ones are counted in the event column, under the last shown.
            columnsText.back().push_back("... e " + plural(static_cast<long>(events.size() - shown),
                                                          "altro", "altri"));
        } else if (events.empty()) {
            columnsText.back().push_back(withPlace ? "Nessuna finale" : "Nessun trofeo");
        }
        for (int c = 0; c < count; ++c)
            setLines(f.c(kLabels, firstColumn + c), columnsText[static_cast<size_t>(c)]);
    };
    shelf(record.wins(), kWinColumns, false);
    shelf(record.finals(), kFinalColumns, true);
}

} // namespace velmora
