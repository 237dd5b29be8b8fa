#include "Bench.h"
#include "BenchCareer.h"

#include "career/EventEntry.h"
#include "state/Season.h"

#include <ctime>
#include <stdexcept>

namespace velmora::bench {

namespace {

// A season without play from week 1 of the career: "Fino alla settimana 50", then the three finals
// weeks one click each, every week with its backup, history, report and progress, as the player
// lives it.
void liveSeason(Form1& form) {
    form.eventEntry().fillWeekChoices();
    form.c("Combo16").text = "Fino alla settimana " + std::to_string(Season::kFirstFinalsWeek);
    form.eventEntry().Label8_Click();
    while (form.eventEntry().running())
        form.eventEntry().runTick();
    for (int week = Season::kFirstFinalsWeek; week <= Season::kWeeks; ++week) {
        form.c("Combo16").text = "1 settimana";
        form.eventEntry().Label8_Click();
    }
}

} // namespace

void seasonFigures() {
    BenchCareer career;
    Form1& form = career.form;
    form.weeklyBackups = true;
    const std::clock_t cpuStart = std::clock();
    const double seasonMs = bestMs(1, [&] { liveSeason(form); });
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (form.currentWeek != 1 || !career.platform.takeMessages().empty())
        throw std::runtime_error("the season did not end at week 1 of the next without a message");
    report("a season without play (52 weeks, backups, history, reports, progress)", seasonMs, "ms");
    report("  per week", seasonMs / Season::kWeeks, "ms");
    // On a busy machine the wall time above also holds the waits for the disk and for the processor.
    report("  of which processor time", cpuMs, "ms");
}

} // namespace velmora::bench
