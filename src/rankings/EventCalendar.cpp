#include "rankings/EventCalendar.h"

#include "state/GameContext.h"
#include "state/StoreColumns.h"
#include "data/Quoting.h"
#include "rankings/RecordPanels.h"
#include "ui/DisabledWindow.h"

#include <algorithm>
#include <optional>

namespace velmora {

namespace {

constexpr int kCalendarLines = 4;
constexpr int kResultLines = 16;
constexpr int kResultFlagBase = 4; // Image7 4..19 are the flags of the result lines

// tornei columns.
constexpr int kResultSurname = 2;
constexpr int kResultFirstName = 3;
constexpr int kResultFlagKey = 4;
constexpr int kResultPlace = 5;
constexpr int kResultPoints = 6;
constexpr int kResultPrize = 7;

// punti columns.
constexpr int kTierPoints = 1;
constexpr int kTierFirst = 2;
constexpr int kTierLast = 3;
constexpr int kPrize = 1; // premi

bool championship(const std::string& host) {
    return host == "conti" || host == "nazio";
}

std::string prizeTiers(const std::string& level) {
    return "SELECT * FROM premi where importanza=" + level + " order by id asc ";
}
std::string pointsTiers(const std::string& level) {
    return "SELECT * FROM punti where importanza=" + level + " order by punti desc,da asc ";
}

} // namespace

std::string EventCalendar::weekStatement() {
    return "SELECT * FROM calendario where settimana=" + f.c("Combo6").text +
           " order by importanza asc,torneo asc ";
}

void EventCalendar::open() {
    f.window().setComboText(f.c("Combo6"), std::to_string(f.currentWeek));
    RecordPanels::show(f.window(), "Picture4");
}

void EventCalendar::Combo6_Click() {
    if (f.weekComboReady != 1) return;
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    showWeekCalendar();
}

void EventCalendar::Label29_Click(int index) {
    DisabledWindow disabled(f.window());
    RedrawReads::Redraw redraw(m_reads);
    f.c("Shape2").top = f.c("Label29", index).top - kFrameAboveLink;
    selectedEvent = index;
    showEventResults();
}

void EventCalendar::showWeekCalendar() {
    Control& names = f.c("Label24");
    Control& pools = f.c("Label25");
    Control& points = f.c("Label26");
    Control& fields = f.c("Label27");
    Control& fees = f.c("Label30");
    // Each line names its game in words beside the event's name.
    Control* games = f.window().find("Label81");
    for (Control* column : {&fields, &names, &pools, &points, &fees, games})
        if (column) column->text.clear();

    Database& db = f.db();
    const Rows& week = m_reads.rows(db, weekStatement());
    for (int i = 0; i < kCalendarLines; ++i) {
        Control& flag = f.c("Image7", i);
        Control& link = f.c("Label29", i);
        if (i > week.last()) {
            flag.visible = false;
            link.visible = false;
            continue;
        }
        const std::string host = week.at(calendario::kHostNation, i).str();
        const Value& entrants = week.at(calendario::kEntrants, i);
        if (games) games->text += week.at(calendario::kGame, i).str() + "\n";
        if (championship(host)) {
            // Championships are held where each player lives: no host flag, no results link.
            pools.text += "\n";
            points.text += "\n";
            fees.text += "\n";
            link.visible = false;
            fields.text += entrants.str() + "\n";
            names.text += week.at(calendario::kEventName, i).str() + "\n";
            flag.visible = false;
            continue;
        }
        const std::string level = week.at(calendario::kImportance, i).str();
        const Rows& prizes = m_reads.rows(db, prizeTiers(level));
        const Rows& tiers = m_reads.rows(db, pointsTiers(level));
        // A tier pays every place it covers, as long as the field reaches its last place.
        double pool = 0;
        double onOffer = 0;
        for (int j = 0; j <= tiers.last(); ++j) {
            if (tiers.at(kTierLast, j).num() > entrants.num()) continue;
            const double places = tiers.at(kTierLast, j).num() - tiers.at(kTierFirst, j).num() + 1;
            pool += places * prizes.at(kPrize, j).num();
            onOffer += places * tiers.at(kTierPoints, j).num();
        }
        pools.text += "€" + numberText(pool) + "\n";
        points.text += numberText(onOffer) + "\n";
        link.visible = true;
        fees.text += "€" + week.at(calendario::kFee, i).str() + "\n";
        fields.text += entrants.str() + "\n";
        names.text += week.at(calendario::kEventName, i).str() + "\n";
        f.loadPicture(flag, GameContext::flagPath(host));
        flag.visible = true;
    }

    f.c("Shape2").top = kFirstLineFrameTop;
    selectedEvent = 0;
    showEventResults();
}

void EventCalendar::showEventResults() {
    Database& db = f.db();
    const Rows& week = m_reads.rows(db, weekStatement());
    const int i = selectedEvent;
    // A week without that line leaves the results as they were.
    if (i > week.last() || i >= kCalendarLines) return;

    const std::string level = week.at(calendario::kImportance, i).str();
    const Rows& prizes = m_reads.rows(db, prizeTiers(level));
    const Rows& tiers = m_reads.rows(db, pointsTiers(level));

    Control& places = f.c("Label32");
    Control& names = f.c("Label33");
    Control& prizesWon = f.c("Label34");
    Control& pointsWon = f.c("Label35");
    Control& below = f.c("Label37");
    for (Control* column : {&places, &names, &prizesWon, &pointsWon, &below})
        column->text.clear();

    const Rows& standings = m_reads.rows(db, "SELECT * FROM tornei where torneo='" +
                                                 fApici(week.at(calendario::kEventName, i).str()) +
                                                 "'  order by posizione asc,cognome asc,nome asc ");
    const int lastShown = std::min(standings.last(), kResultLines - 1);
    for (int s = 0; s < kResultLines / 2; ++s)
        f.c("Label36", s).visible = false;
    int stripe = 0;
    // Points of the last finisher listed; none while nobody is listed.
    std::optional<double> lastListedPoints;
    for (int k = 0; k < kResultLines; ++k) {
        Control& flag = f.c("Image7", kResultFlagBase + k);
        if (k > lastShown) {
            flag.visible = false;
            continue;
        }
        prizesWon.text += standings.at(kResultPrize, k).str() + "\n";
        pointsWon.text += standings.at(kResultPoints, k).str() + "\n";
        lastListedPoints = standings.at(kResultPoints, k).num();
        const std::string surname = standings.at(kResultSurname, k).str();
        const std::string firstName = standings.at(kResultFirstName, k).str();
        const int place =
            m_reads.position(db, "SELECT * FROM giocatori  order by totalepunti desc,cognome asc,nome asc ",
                             surname, firstName);
        // A finisher no longer in the world has no place to show.
        names.text += surname + " " + firstName + "(" + (place > 0 ? std::to_string(place) : "-") + ")\n";
        places.text += standings.at(kResultPlace, k).str() + "\n";
        f.loadPicture(flag, GameContext::flagPath(standings.at(kResultFlagKey, k).str()));
        flag.visible = true;
        if (k % 2 == 0) f.c("Label36", stripe++).visible = true;
    }

    // The tiers paid below the last listed finisher; of equal tiers only the first is told.
    if (!lastListedPoints) return;
    for (int j = 0; j <= tiers.last(); ++j) {
        const double tierPoints = tiers.at(kTierPoints, j).num();
        if (!(*lastListedPoints > tierPoints)) continue;
        below.text += tiers.at(kTierFirst, j).str() + "-" + tiers.at(kTierLast, j).str() + "\n";
        below.text += "€" + prizes.at(kPrize, j).str() + "\n";
        below.text += numberText(tierPoints) + (tierPoints == 1 ? " Punto" : " Punti") + "\n";
        below.text += "\n";
        lastListedPoints = tierPoints;
    }
}

} // namespace velmora
