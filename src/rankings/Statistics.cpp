#include "rankings/Statistics.h"

#include "rankings/CareerRecord.h"
#include "rankings/RecordPanels.h"
#include "data/Quoting.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"
#include "state/StoreColumns.h"
#include "state/Season.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <array>
#include <string>

namespace velmora {

namespace {

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
constexpr std::uint32_t kPlayedMark = 0x6B2E8F;

// The week's place on a line running through every season of the career.
double timeline(int season, int week) {
    return (season - 1) * Season::kWeeks + week;
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
    drawCharts(weeks, tournaments);
    drawRecord(tournaments);
}

void Statistics::drawCharts(const Rows& weeks, const Rows& tournaments) {
    Chart places;
    places.yReversed = true;
    places.yLogarithmic = true;
    places.yFromOne = true;
    for (const Ranking& ranking : kRankings)
        places.series.push_back({ranking.name, ranking.color, {}});
    Chart money;
    money.series.push_back({"Denaro", kMoneyLine, {}});

    // Week numbers under the axis: every 13th week over a season or two, fewer over a longer career.
    const int seasonsShown = weeks.empty() ? 0
                                           : static_cast<int>(weeks.at(storico_settimane::kSeason, weeks.last()).toInt() -
                                                              weeks.at(storico_settimane::kSeason, 0).toInt()) + 1;
    const int markStep = seasonsShown <= 2 ? 13 : seasonsShown <= 4 ? 26 : Season::kWeeks;
    int markedSeason = 0;
    std::map<double, double> overallPlace; // x -> his overall world place that week
    for (int r = 0; r <= weeks.last(); ++r) {
        const int season = static_cast<int>(weeks.at(storico_settimane::kSeason, r).toInt());
        const int week = static_cast<int>(weeks.at(storico_settimane::kWeek, r).toInt());
        const double x = timeline(season, week);
        if (season != markedSeason) {
            places.xMarks.emplace_back(x, "Stagione " + std::to_string(season));
            markedSeason = season;
        } else if (week % markStep == 0 && week < Season::kWeeks) {
            places.xMarks.emplace_back(x, "sett. " + std::to_string(week));
        }
        overallPlace[x] = weeks.at(storico_settimane::place(0, 0), r).num();
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
    // A mark on his overall line at each week he played a tournament.
    ChartSeries played{"Tornei giocati", kPlayedMark, {}, true};
    for (int r = 0; r <= tournaments.last(); ++r) {
        const double x = timeline(static_cast<int>(tournaments.at(storico_tornei::kSeason, r).toInt()),
                                  static_cast<int>(tournaments.at(storico_tornei::kWeek, r).toInt()));
        const auto found = overallPlace.find(x);
        if (found != overallPlace.end() && found->second > 0) played.points.emplace_back(x, found->second);
    }
    if (!played.points.empty()) places.series.push_back(std::move(played));
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
    captions.push_back("Iscrizioni pagate");
    captions.push_back("Netto");
    captions.push_back("Punti conquistati");
    setLines(f.c(kLabels, kRecordRows), captions);

    const GameRecord* columns[] = {&record.game(CareerRecord::kGames[0]), &record.game(CareerRecord::kGames[1]),
                                   &record.game(CareerRecord::kGames[2]), &record.overall()};
    // The entry fees he paid, per game and in all, from the calendar of the events he played.
    std::array<long, 4> fees{};
    const Rows paid = f.db().query("SELECT t.gioco, sum(c.iscrizione) FROM storico_tornei t JOIN calendario c "
                                   "ON c.torneo = t.torneo group by t.gioco");
    for (int r = 0; r <= paid.last(); ++r) {
        for (size_t g = 0; g < 3; ++g) {
            if (sameText(paid.at(0, r).str(), CareerRecord::kGames[g])) {
                fees[g] += static_cast<long>(paid.at(1, r).toInt());
                fees[3] += static_cast<long>(paid.at(1, r).toInt());
            }
        }
    }
    for (int c = 0; c < 4; ++c) {
        const GameRecord& game = *columns[c];
        std::vector<std::string> lines = {std::to_string(game.played), std::to_string(game.won),
                                          std::to_string(game.finals), ""};
        for (const std::string& kind : kinds) {
            const auto best = game.bestPlace.find(kind);
            lines.push_back(placeText(best == game.bestPlace.end() ? 0 : best->second));
        }
        lines.push_back("€" + std::to_string(game.prize));
        lines.push_back("€" + std::to_string(fees[static_cast<size_t>(c)]));
        const long net = game.prize - fees[static_cast<size_t>(c)];
        lines.push_back((net < 0 ? "-€" : "€") + std::to_string(net < 0 ? -net : net));
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
            // His world place in the game when the event began.
            cells.push_back(played.event + (played.placeBefore > 0 ? " (da n. " + std::to_string(played.placeBefore) + ")"
                                                                  : std::string()));
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
    const size_t listed = std::max(record.wins().size(), record.finals().size());
    drawRivalsAndSeasons(static_cast<int>(std::min(listed, static_cast<size_t>(kShelfLines)) +
                                                  (listed > static_cast<size_t>(kShelfLines) ? 1 : 0)));
}

void Statistics::drawRivalsAndSeasons(int shelfLines) {
    // The shelf takes the lines it lists (one for an empty shelf); the rivals follow it.
    const Control& firstShelf = f.c(kLabels, kWinColumns);
    const int top = firstShelf.top + std::max(1, shelfLines) * firstShelf.linePitch + 250;
    Control& caption = f.c(kRivals, 0);
    Control& lines = f.c(kRivals, 1);
    const int shift = top - caption.top;
    for (Control* moved : {&caption, &lines, &f.c(kLabels, kSeasonsCaption), &f.c(kSeasons)})
        moved->top += shift;
    if (Control* board = f.window().find("Shape49")) board->height = lines.top + lines.height + 150 - board->top;

    // The players he met most at his tables, with how often he finished ahead of them and behind.
    const Rows rivals = f.db().query(
        "SELECT cognome, nome, count(*), sum(davanti), sum(dietro) FROM ("
        "SELECT cognome1 cognome, nome1 nome, posto < posto1 davanti, posto > posto1 dietro FROM storico_tavoli "
        "UNION ALL SELECT cognome2, nome2, posto < posto2, posto > posto2 FROM storico_tavoli "
        "UNION ALL SELECT cognome3, nome3, posto < posto3, posto > posto3 FROM storico_tavoli) "
        "group by cognome, nome order by count(*) desc, sum(davanti) desc, cognome asc, nome asc limit " +
        std::to_string(kRivalLines));
    std::vector<std::string> text;
    for (int r = 0; r <= rivals.last(); ++r) {
        text.push_back(rivals.at(0, r).str() + " " + rivals.at(1, r).str() + ": " +
                       plural(static_cast<long>(rivals.at(2, r).toInt()), "incontro", "incontri") + ", davanti " +
                       std::to_string(rivals.at(3, r).toInt()) + ", dietro " + std::to_string(rivals.at(4, r).toInt()));
    }
    if (text.empty()) text.push_back("Nessun tavolo giocato");
    setLines(lines, text);

    // Every season lived, whose review can be seen again.
    Control& seasons = f.c(kSeasons);
    const Rows lived = f.db().query("SELECT DISTINCT stagione FROM storico_settimane order by stagione asc");
    seasons.items.clear();
    for (int r = 0; r <= lived.last(); ++r)
        seasons.items.push_back("Stagione " + lived.at(0, r).str());
    seasons.text.clear();
    seasons.listIndex = -1;
}

int Statistics::chosenSeason() {
    const std::string& text = f.c(kSeasons).text;
    const std::string prefix = "Stagione ";
    return text.rfind(prefix, 0) == 0 ? std::atoi(text.c_str() + prefix.size()) : 0;
}

} // namespace velmora
