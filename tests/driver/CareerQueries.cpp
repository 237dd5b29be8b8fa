#include "CareerQueries.h"

#include <set>

#include "DriverProcess.h"
#include "support/AppFolder.h"

#include <cmath>

namespace velmora::test {

std::ostream& operator<<(std::ostream& out, const StoredResult& result) {
    return out << "(position " << result.position << ", prize " << result.prize << ", points "
               << result.points << ")";
}

long number(const std::string& text) {
    return std::lround(std::stod(text));
}

std::vector<CalendarEvent> calendarEvents(DriverProcess& driver, const std::string& condition) {
    std::vector<CalendarEvent> found;
    for (const auto& row : driver.query("SELECT * FROM calendario where " + condition)) {
        CalendarEvent event;
        event.name = row.at(0);
        event.level = std::stoi(row.at(1));
        event.week = std::stoi(row.at(2));
        event.entrants = std::stoi(row.at(4));
        event.game = row.at(6);
        event.fee = number(row.at(7));
        event.host = row.at(8);
        found.push_back(event);
    }
    return found;
}

CalendarEvent firstEnterableEvent(const std::string& game, int entrants) {
    AppFolder shipped;
    DriverProcess reader(VELMORA_DRIVER, shipped.path());
    reader.run("load");
    const auto found = calendarEvents(reader, "gioco='" + game + "' and giocatori=" + std::to_string(entrants) +
                                                  " and iscrizione>0 and nazione<>'conti' and torneo not "
                                                  "like '%''%' order by settimana asc");
    return found.empty() ? CalendarEvent{} : found.front();
}

bool makeCareer(DriverProcess& driver, const std::string& firstName, const std::string& surname,
                const std::string& nation) {
    driver.click("Label1", 1);
    driver.click("Label1", 3);
    driver.run("type Text1 0 " + firstName);
    driver.run("type Text1 1 " + surname);
    if (!nation.empty()) driver.run("choose Combo1 1 " + nation);
    driver.click("Label3", 0);
    return driver.visible("Picture2");
}

int dashboardSlot(DriverProcess& driver, const CalendarEvent& event) {
    for (int i = 0; i < 4; ++i) {
        if (driver.visible("Label5", i) && driver.caption("Label5", i).rfind(event.name, 0) == 0) return i;
    }
    return -1;
}

std::vector<CalendarEvent> weekEvents(DriverProcess& driver, int week) {
    return calendarEvents(driver, "settimana=" + std::to_string(week) + " order by importanza asc");
}

std::vector<Tier> levelTiers(DriverProcess& driver, int level) {
    const auto points = driver.query("SELECT * FROM punti where importanza=" + std::to_string(level) +
                                     " order by punti desc,da asc ");
    const auto prizes =
        driver.query("SELECT * FROM premi where importanza=" + std::to_string(level) + " order by id asc ");
    std::vector<Tier> tiers;
    for (size_t j = 0; j < points.size(); ++j) {
        tiers.push_back({number(points[j].at(1)), std::stoi(points[j].at(2)), std::stoi(points[j].at(3)),
                         j < prizes.size() ? number(prizes[j].at(1)) : -1});
    }
    return tiers;
}

const Tier* tierOf(const std::vector<Tier>& tiers, int position) {
    for (const Tier& tier : tiers)
        if (tier.from <= position && position <= tier.to) return &tier;
    return nullptr;
}

long storedNumber(DriverProcess& driver, const std::string& key) {
    return number(driver.value("sql SELECT dato1 FROM temp WHERE dato='" + key + "'"));
}

std::string storedText(DriverProcess& driver, const std::string& key) {
    return driver.value("sql SELECT dato2 FROM temp WHERE dato='" + key + "'");
}

std::set<std::string> eightBest(DriverProcess& driver, const std::string& game) {
    const std::string column = game == "Uno" ? "unopunti" : game == "Hearts" ? "heartspunti" : "brisolopunti";
    std::set<std::string> names;
    for (const auto& row :
         driver.query("SELECT top 8 * FROM giocatori  order by " + column + " desc,cognome asc,nome asc"))
        names.insert(row.at(0) + " " + row.at(1));
    return names;
}

bool amongEightBest(DriverProcess& driver, const std::string& game, const std::string& surname,
                    const std::string& firstName) {
    return eightBest(driver, game).count(surname + " " + firstName) > 0;
}

std::map<int, int> expectedPlaces(int entrants) {
    std::map<int, int> places = {{1, 1}, {2, 1}, {3, 2}};
    for (int group = 4; group < entrants; group *= 2)
        places[group + 1] = group;
    return places;
}

} // namespace velmora::test
