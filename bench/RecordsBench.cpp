#include "Bench.h"
#include "BenchCareer.h"
#include "StatementLog.h"

#include "app/Form1.h"
#include "career/NewCareer.h"
#include "rankings/EventCalendar.h"
#include "rankings/PlayerCard.h"
#include "rankings/WorldRankings.h"
#include "ui/ScriptedPlatform.h"

#include <stdexcept>
#include <string>

namespace velmora::bench {

namespace {

// Statements a redraw sends to the store.
long statementsOf(Form1& form, const std::function<void()>& redraw) {
    StatementLog log(form.db().handle());
    redraw();
    return static_cast<long>(log.statements().size());
}

} // namespace

// The three record screens on a full world: 2000 players and one simulated season of results.
void recordsFigures() {
    BenchCareer career;
    Form1& form = career.form;

    WorldRankings& rankings = form.worldRankings();
    rankings.open();
    form.c("Combo5").text = "976-1000";
    const double page = bestMs(10, [&] { rankings.Combo5_Click(); });
    report("rankings page redraw", page, "ms");
    report("rankings page redraw: statements (76 without re-use)",
           static_cast<double>(statementsOf(form, [&] { rankings.Combo5_Click(); })), "");

    EventCalendar& calendar = form.eventCalendar();
    form.c("Combo6").text = "6"; // four events, results of the simulated season
    const double week = bestMs(10, [&] { calendar.Combo6_Click(); });
    report("calendar week redraw", week, "ms");
    report("calendar week redraw: statements",
           static_cast<double>(statementsOf(form, [&] { calendar.Combo6_Click(); })), "");

    PlayerCard& card = form.playerCard();
    card.open();
    form.c("Combo9").text = form.c("Combo9").items.at(1000);
    const double player = bestMs(10, [&] { card.Combo9_Click(); });
    report("player card redraw", player, "ms");
    report("player card redraw: statements",
           static_cast<double>(statementsOf(form, [&] { card.Combo9_Click(); })), "");
    if (!career.platform.takeMessages().empty()) throw std::runtime_error("a record screen reported a failure");
}

} // namespace velmora::bench
