#include "Bench.h"
#include "BenchCareer.h"
#include "ScreenPaint.h"

#include "app/Form1.h"
#include "data/Database.h"
#include "data/PreparedStatement.h"
#include "data/Transaction.h"
#include "career/SeasonReview.h"
#include "career/WeekReport.h"
#include "rankings/Statistics.h"

#include <stdexcept>
#include <vector>

namespace velmora::bench {

namespace {

// Five seasons of a career that climbs from the bottom of the world to its top twenty, playing a
// tournament every other week.
void writeFiveSeasons(Database& database) {
    Transaction transaction(database);
    PreparedStatement& week = database.prepared(
        "INSERT INTO storico_settimane (stagione, settimana, denaro, generale_mondo, generale_continente, "
        "generale_nazione, uno_mondo, uno_continente, uno_nazione, hearts_mondo, hearts_continente, hearts_nazione, "
        "brisolo_mondo, brisolo_continente, brisolo_nazione, unopunti, heartspunti, brisolopunti, totalepunti) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19)");
    PreparedStatement& played = database.prepared(
        "INSERT INTO storico_tornei (stagione, settimana, torneo, gioco, categoria, giocatori, posizione, premio, "
        "punti) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    const char* games[] = {"Uno", "Hearts", "Brisolo"};
    const char* kinds[] = {"Challenger", "Open", "Masters", "Grand Slam"};
    for (int season = 1; season <= 5; ++season) {
        for (int w = 1; w <= 52; ++w) {
            const int lived = (season - 1) * 52 + w;
            std::vector<Value> row = {season, w, 20000 + lived * 350};
            for (int place = 0; place < 12; ++place)
                row.emplace_back(std::max(1, 1990 - lived * 7 - place * 13) / (place % 3 + 1));
            for (int points = 0; points < 4; ++points)
                row.emplace_back(lived * (points + 2));
            week.run(row);
            if (w % 2 == 0) {
                played.run({season, w, "Open di Milano", games[w % 3], kinds[w % 4], 64, (lived * 7) % 33 + 1,
                            1000, 120});
            }
        }
    }
    transaction.commit();
}

} // namespace

// The "Statistiche" screen of a career with five seasons behind it.
void statisticsFigures() {
    BenchCareer career;
    Form1& form = career.form;
    writeFiveSeasons(form.db());

    // What the player waits for: the click on "Statistiche" and the window drawn again.
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        ScreenPaint screen(form.window(), size);
        screen.report("statistics click and paint, 5 seasons", 10, [&] { form.window().click("Label1", 18); });
        // The week's report and the season's review over the dashboard, drawn from the same history.
        screen.report("week's report shown and painted", 10, [&] {
            form.window().click("Label1", 16); // "Home": the dashboard
            WeekReport(form).show(1);
        });
        screen.report("season's review shown and painted", 10, [&] { SeasonReview(form).show(5); });
    }
    if (!career.platform.takeMessages().empty()) throw std::runtime_error("the statistics screen reported a failure");
}

} // namespace velmora::bench
