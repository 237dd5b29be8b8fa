#include "career/EventEntry.h"

#include "career/CareerSnapshot.h"
#include "career/Dashboard.h"
#include "career/SeasonReview.h"
#include "career/WeekReport.h"
#include "career/WeekSimulation.h"
#include "data/Transaction.h"
#include "state/GameContext.h"
#include "state/HistoryTables.h"
#include "state/Season.h"
#include "state/StoreColumns.h"
#include "ui/DisabledWindow.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr const char* kOneWeek = "1 settimana";
constexpr const char* kFourWeeks = "4 settimane";
constexpr const char* kUntilWeek = "Fino alla settimana ";
// The progress bar's full width, in twips (as laid out on the dashboard).
constexpr int kProgressWidth = 5800;

} // namespace

void EventEntry::Label6_Click(int index) {
    if (index < 0 || index >= kSlots) return;
    // Finals are not entered by hand: the dashboard enters a qualified player by himself. The
    // slot says so under the button.
    if (Season::isFinalsWeek(f.currentWeek)) {
        if (Control* note = f.window().find("Label78", index)) {
            note->text = Dashboard::finalsClosedReason();
            note->visible = true;
        }
        return;
    }
    DisabledWindow disabled(f.window());
    if (!Value(f.temp().text("evento")).isEmpty()) return; // one event a week
    const Rows week =
        f.db().query("SELECT * FROM calendario where  settimana=" + std::to_string(f.currentWeek) +
                     " order by importanza asc ");
    if (index > week.last()) return;
    if (week.at(calendario::kFee, index).num() > static_cast<double>(f.playerMoney)) {
        f.platform().messageBox("Non hai abbastanza denaro per partecipare a questo evento.", f.appTitle);
        return;
    }
    const std::string name = week.at(calendario::kEventName, index).str();
    Transaction transaction(f.db());
    f.temp().setText("evento", name);
    transaction.commit();

    f.enteredEvent = name;
    for (int slot = 0; slot < kSlots; ++slot)
        f.c("Label6", slot).visible = false;
    f.c("Label39").visible = true;
    f.c("Label7", index).visible = true;
    f.c("Label8").visible = false;
}

void EventEntry::Label7_Click(int index) {
    (void)index;
    if (Season::isFinalsWeek(f.currentWeek)) return;
    DisabledWindow disabled(f.window());
    Transaction transaction(f.db());
    f.temp().setText("evento", "0");
    transaction.commit();

    f.enteredEvent = "0";
    for (int slot = 0; slot < kSlots; ++slot) {
        f.c("Label7", slot).visible = false;
        // Only slots with an enterable event show their host flag.
        f.c("Label6", slot).visible = f.c("Image5", slot).visible;
    }
    f.c("Label8").visible = true;
    f.c("Label39").visible = false;
}

void EventEntry::Label8_Click() {
    if (running()) return;
    m_weeksAsked = weeksChosen();
    m_weeksDone = 0;
    m_weeksLeft = m_weeksAsked;
    runTick();
    if (running()) {
        f.timer(kRunTimer).setInterval(1);
        f.timer(kRunTimer).setEnabled(true);
    }
}

void EventEntry::runTick() {
    if (!running()) return;
    playWeek();
    if (running()) showProgress();
}

void EventEntry::stopRun() {
    if (!running()) return;
    m_weeksLeft = 0;
    // The week in play is over: each week is its own change.
    const Rows last = f.db().query("SELECT stagione, settimana FROM storico_settimane order by rowid desc limit 1");
    finishRun({static_cast<int>(last.at(0, 0).toInt()), static_cast<int>(last.at(1, 0).toInt())});
}

void EventEntry::finishRun(const LivedWeek& lived) {
    m_weeksLeft = 0;
    f.timer(kRunTimer).setEnabled(false);
    f.c("Label73").visible = false;
    showWeekEnd(lived, m_weeksDone);
}

bool EventEntry::lastOfRun(const LivedWeek& lived) const {
    // The run stops where he has something to see: a final he is entered in (the dashboard enters
    // the eight best by themselves) and the turn of the season, whose review follows.
    const bool finalEntered = Season::isFinalsWeek(f.currentWeek) && f.enteredEvent != "0";
    return m_weeksLeft <= 1 || finalEntered || lived.week == Season::kWeeks;
}

void EventEntry::showProgress() {
    Control& bar = f.c("Label73");
    bar.text = " " + std::to_string(m_weeksDone) + " / " + std::to_string(m_weeksAsked);
    bar.width = std::max(kProgressWidth / 6, kProgressWidth * m_weeksDone / std::max(1, m_weeksAsked));
    bar.visible = true;
}

// The world's week and the move to the next one are one change: either both are stored or, on a
// failure, neither, and the window goes back to the week it showed.
void EventEntry::playWeek() {
    DisabledWindow disabled(f.window());
    CareerSnapshot snapshot(f);
    snapshot.remember(f.c("Label9"));
    try {
        Transaction transaction(f.db());
        const LivedWeek lived = closeWeek();
        ++m_weeksDone;
        // The report is read in the week's own change: a week whose report fails is not kept.
        if (lastOfRun(lived)) {
            finishRun(lived);
        } else {
            --m_weeksLeft;
        }
        transaction.commit();
    } catch (...) {
        m_weeksLeft = 0;
        f.timer(kRunTimer).setEnabled(false);
        f.c("Label73").visible = false;
        snapshot.restoreAndRefresh();
        throw;
    }
    f.weekCommitted();
}

LivedWeek EventEntry::closeWeek(const std::function<void(CareerHistory&)>& afterWorld) {
    CareerHistory history(f);
    const WeekStart start = history.beforeWorld();
    f.weekSimulation().run();
    if (afterWorld) afterWorld(history);
    const LivedWeek lived = storeNextWeek();
    f.temp().setText("evento", "0");
    f.enteredEvent = "0";
    f.dashboard().refresh();
    history.recordWeek(lived, start);
    return lived;
}

void EventEntry::showWeekEnd(const LivedWeek& lived, int weeks) {
    WeekReport(f).show(weeks);
    if (lived.week == Season::kWeeks) SeasonReview(f).show(lived.season);
}

LivedWeek EventEntry::storeNextWeek() {
    const LivedWeek lived{CareerHistory(f).season(), f.currentWeek};
    int week = f.currentWeek + 1;
    if (week > Season::kWeeks) {
        week = 1;
        f.temp().setNumber(HistoryTables::kSeasonKey, lived.season + 1);
    }
    f.temp().setNumber("settimana", week);
    f.currentWeek = week;
    return lived;
}

void EventEntry::advanceWeek() {
    storeNextWeek();
    f.dashboard().refresh();
}

void EventEntry::fillWeekChoices() {
    Control* choice = f.window().find("Combo16");
    if (!choice) return;
    choice->items = {kOneWeek, kFourWeeks};
    // Every later week up to the first of the finals, where the eight best are entered by themselves.
    for (int week = f.currentWeek + 2; week <= Season::kFirstFinalsWeek; ++week)
        choice->items.push_back(kUntilWeek + std::to_string(week));
    choice->text = kOneWeek;
    choice->listIndex = 0;
}

int EventEntry::weeksChosen() {
    const Control* choice = f.window().find("Combo16");
    if (!choice || choice->text.empty() || choice->text == kOneWeek) return 1;
    if (choice->text == kFourWeeks) return 4;
    if (choice->text.rfind(kUntilWeek, 0) == 0) {
        const int week = std::atoi(choice->text.c_str() + std::string(kUntilWeek).size());
        if (week > f.currentWeek) return week - f.currentWeek;
    }
    return 1;
}

} // namespace velmora
