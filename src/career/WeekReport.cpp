#include "career/WeekReport.h"

#include "data/Quoting.h"
#include "state/CardGame.h"
#include "state/GameContext.h"
#include "state/HistoryColumns.h"
#include "state/StoreColumns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace velmora {

namespace {

namespace sw = storico_settimane;
namespace st = storico_tornei;

constexpr int kNewsLines = 6;
const char* const kUp = "\xE2\x96\xB2";   // ▲
const char* const kDown = "\xE2\x96\xBC"; // ▼

std::string signedNumber(long value) {
    return (value > 0 ? "+" : "") + std::to_string(value);
}

std::string placeText(long place) {
    return place > 0 ? std::to_string(place) : "-";
}

// "412 → 398 ▲": a smaller number is a better place.
std::string placeMove(long before, long after) {
    std::string text = placeText(before) + " \xE2\x86\x92 " + placeText(after);
    if (before > 0 && after > 0 && before != after) text += std::string(" ") + (after < before ? kUp : kDown);
    return text;
}

long number(const Rows& rows, int column, int row) {
    return static_cast<long>(rows.at(column, row).toInt());
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

std::string WeekReport::roundReached(long place, long entrants) {
    const std::string at = ", " + std::to_string(place) + "° posto";
    if (place <= 3) return "FINALE" + at;
    // Out in a round, he is recorded just below the players it sent on.
    const long through = place - 1;
    if (through == 16) return "OTTAVI" + at;
    if (through == 8) return "QUARTI" + at;
    if (through == 4) return "SEMIFINALI" + at;
    const long round = through > 0 && entrants > 2 * through
                           ? std::lround(std::log2(static_cast<double>(entrants) / (2.0 * through))) + 1
                           : 1;
    return std::to_string(round) + "° TURNO" + at;
}

void WeekReport::show(int weeks) {
    if (weeks < 1) return;
    Rows rows = f.db().query("SELECT * FROM " + std::string(sw::kTable) + " order by rowid desc limit " +
                             std::to_string(weeks + 1));
    if (rows.empty()) return;
    const bool hasBefore = rows.rowCount() > weeks;
    const int last = 0;
    const int first = rows.last() - (hasBefore ? 1 : 0); // the span's first week (rows are newest first)
    const int before = hasBefore ? rows.last() : -1;
    const long spanFrom = number(rows, sw::kSeason, first) * 100 + number(rows, sw::kWeek, first);
    const long spanTo = number(rows, sw::kSeason, last) * 100 + number(rows, sw::kWeek, last);
    const Rows played = f.db().query("SELECT * FROM " + std::string(st::kTable) +
                                     " where stagione*100+settimana between " + std::to_string(spanFrom) +
                                     " and " + std::to_string(spanTo) + " order by stagione, settimana");

    // Per game: won from his tournaments, taken away from the weeks' rows, the net from his stored
    // points after and before.
    std::array<long, 4> won{}, dropped{}, after{}, beforePoints{};
    for (int r = 0; r <= played.last(); ++r) {
        if (const CardGame* game = findCardGame(played.at(st::kGame, r).str())) {
            const size_t k = static_cast<size_t>(1 + game->pointsIndex - giocatori::kPointsUno);
            won[k] += number(played, st::kPoints, r);
            won[0] += number(played, st::kPoints, r);
        }
    }
    for (int r = last; r <= first; ++r) {
        for (size_t k = 1; k < 4; ++k) {
            dropped[k] += number(rows, sw::kFirstDropped + static_cast<int>(k) - 1, r);
            dropped[0] += number(rows, sw::kFirstDropped + static_cast<int>(k) - 1, r);
        }
    }
    // The rows' points are Uno, Hearts, Brisolo, then the total; the report lists the total first.
    const std::array<int, 4> pointsColumn = {sw::kFirstPoints + 3, sw::kFirstPoints, sw::kFirstPoints + 1,
                                             sw::kFirstPoints + 2};
    for (size_t k = 0; k < 4; ++k) {
        after[k] = number(rows, pointsColumn[k], last);
        // Before the career's first week lived there is no row: his points then follow from the week.
        beforePoints[k] = hasBefore ? number(rows, pointsColumn[k], before) : after[k] - won[k] + dropped[k];
    }

    const int firstWeek = static_cast<int>(number(rows, sw::kWeek, first));
    const int lastWeek = static_cast<int>(number(rows, sw::kWeek, last));
    const std::string season = " (stagione " + std::to_string(number(rows, sw::kSeason, last)) + ")";
    f.c(kLabels, kTitle).text = weeks == 1 || firstWeek == lastWeek
                                    ? "Resoconto della settimana " + std::to_string(lastWeek) + season
                                    : "Resoconto delle settimane " + std::to_string(firstWeek) + "-" +
                                          std::to_string(lastWeek) + season;
    std::vector<std::string> wonLines = {"Vinti"}, droppedLines = {"Persi"}, netLines = {"Netto"},
                             placeLines = {"Posto mondiale"};
    for (size_t k = 0; k < 4; ++k) {
        wonLines.push_back(signedNumber(won[k]));
        droppedLines.push_back(dropped[k] ? "-" + std::to_string(dropped[k]) : "0");
        netLines.push_back(signedNumber(after[k] - beforePoints[k]));
        const int placeColumn = sw::place(static_cast<int>(k), 0);
        // Without the week before, his overall place before the week is kept with the week itself.
        const long placeBefore = hasBefore ? number(rows, placeColumn, before)
                                 : k == 0  ? number(rows, sw::kWorldPlaceBefore, first)
                                           : 0;
        placeLines.push_back(placeMove(placeBefore, number(rows, placeColumn, last)));
    }
    f.c(kLabels, kGames).text = "Punti\nGenerale\nUno\nHearts\nBrisolo";
    f.c(kLabels, kWon).text = joined(wonLines);
    f.c(kLabels, kDropped).text = joined(droppedLines);
    f.c(kLabels, kNet).text = joined(netLines);
    f.c(kLabels, kPlaces).text = joined(placeLines);

    // The last week's tournaments: who won each, and where he finished in his.
    const Rows winners = f.db().query("SELECT torneo, tipo, cognome, nome FROM tornei where posizione=1 and "
                                      "settimana=" + std::to_string(lastWeek) +
                                      " and torneo in (SELECT torneo FROM calendario where settimana=" +
                                      std::to_string(lastWeek) + ") order by torneo");
    std::vector<std::string> events;
    for (int r = 0; r <= winners.last(); ++r) {
        std::string line = winners.at(0, r).str() + " (" + winners.at(1, r).str() + "): vince " +
                           winners.at(2, r).str() + " " + winners.at(3, r).str();
        for (int p = 0; p <= played.last(); ++p) {
            if (number(played, st::kWeek, p) == lastWeek && sameText(played.at(st::kEvent, p).str(), winners.at(0, r).str()))
                line += "  -  tu " + std::to_string(number(played, st::kPlace, p)) + "°";
        }
        events.push_back(line);
    }
    if (events.empty()) events.push_back("Nessun torneo questa settimana");
    f.c(kLabels, kEventsCaption).text = "Tornei della settimana " + std::to_string(lastWeek);
    f.c(kLabels, kEvents).text = joined(events);

    std::vector<std::string> news;
    for (int r = first; r >= last; --r) {
        const std::string text = rows.at(sw::kNews, r).str();
        for (size_t at = 0; !text.empty() && at <= text.size();) {
            const size_t end = std::min(text.find('\n', at), text.size());
            news.push_back(text.substr(at, end - at));
            at = end + 1;
        }
    }
    if (news.size() > static_cast<size_t>(kNewsLines)) news.erase(news.begin(), news.end() - kNewsLines);
    if (news.empty()) news.push_back("Nessun cambio in testa e nessun sorpasso vicino a te");
    f.c(kLabels, kNewsCaption).text = "Nel mondo";
    f.c(kLabels, kNews).text = joined(news);

    showOwnTournament(played, rows);
    f.c("Picture11").visible = true;
}

// The dashboard's summary of his last tournament, now a part of the report: fee, prize, points
// won, the round he reached and his world place before and after.
void WeekReport::showOwnTournament(const Rows& played, const Rows& weeks) {
    Control& own = f.c("Label57");
    own.visible = !played.empty();
    if (played.empty()) return;
    const int p = played.last();
    const std::string event = played.at(st::kEvent, p).str();
    const Rows fee = f.db().query("SELECT * FROM calendario where torneo='" + fApici(event) + "'");
    // His place before the week in which he played it.
    const long before = number(weeks, sw::kWorldPlaceBefore, 0);
    own.text = "Ultimo torneo: " + event + "  -  " +
               roundReached(number(played, st::kPlace, p), number(played, st::kEntrants, p)) + "\nIscrizione €" +
               std::to_string(number(fee, calendario::kFee, 0)) + "  -  Premio €" +
               std::to_string(number(played, st::kPrize, p)) + "  -  Punti vinti " +
               std::to_string(number(played, st::kPoints, p)) + "\nPosizione mondiale: prima " + placeText(before) +
               ", ora " + placeText(number(weeks, sw::place(0, 0), 0));
}

void WeekReport::close() {
    f.c("Picture11").visible = false;
}

void WeekReport::keepForItsWeek() {
    Control* panel = f.window().find("Picture11");
    if (!panel || !panel->visible) return;
    if (!f.c("Picture2").visible) panel->visible = false;
}

} // namespace velmora
