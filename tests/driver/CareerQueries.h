#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {

class DriverProcess;

// One row of the calendar, by the columns the game reads.
struct CalendarEvent {
    std::string name;
    int level = 0;
    int week = 0;
    int entrants = 0;
    std::string game;
    long fee = 0;
    std::string host; // "conti" for the continental events nobody enters by hand
};

// One finishing tier of a level: positions from..to earn these points and this prize.
struct Tier {
    long points = 0;
    int from = 0;
    int to = 0;
    long prize = 0;
};

// One entrant's stored result of a tournament.
struct StoredResult {
    int position = 0;
    long prize = 0;
    long points = 0;
    bool operator==(const StoredResult&) const = default;
};

std::ostream& operator<<(std::ostream& out, const StoredResult& result);

// A number as the driver prints it (the store keeps money and points as decimals), rounded.
long number(const std::string& text);

// The calendar rows matching a condition (the text after "where", with any ordering).
std::vector<CalendarEvent> calendarEvents(DriverProcess& driver, const std::string& condition);

// The earliest event of a game with this many entrants that a player enters by hand, read from the
// shipped calendar: it charges a fee, is not continental and has no apostrophe in its name. An
// empty name when there is none.
CalendarEvent firstEnterableEvent(const std::string& game, int entrants);

// From the loaded title menu: "Carriera", "Nuova", the names typed, the nation chosen (when
// given) and the career made. Whether the dashboard is up afterwards.
bool makeCareer(DriverProcess& driver, const std::string& firstName, const std::string& surname,
                const std::string& nation = "");

// The dashboard slot (Label5 / Label6 index) listing the event, or -1.
int dashboardSlot(DriverProcess& driver, const CalendarEvent& event);

// The events of a week in the order the dashboard lists them.
std::vector<CalendarEvent> weekEvents(DriverProcess& driver, int week);

// The tiers of a level in the game's order (falling points), each with the prize of the same rank;
// a tier without a prize row pays -1, which no stored or shown prize can match.
std::vector<Tier> levelTiers(DriverProcess& driver, int level);

// The tier covering a finishing position, or null.
const Tier* tierOf(const std::vector<Tier>& tiers, int position);

// A number and a text the career keeps in temp under a key.
long storedNumber(DriverProcess& driver, const std::string& key);
std::string storedText(DriverProcess& driver, const std::string& key);

// The stored places of a whole field of n: one winner, one runner-up, two thirds, then every group
// of losers of a round at its size + 1 (5 for the four beaten in the semifinals, 9 for eight, ...),
// as place -> players.
std::map<int, int> expectedPlaces(int entrants);

// The eight best of a game ("surname first name") in the ranking the dashboard reads.
std::set<std::string> eightBest(DriverProcess& driver, const std::string& game);

// Whether the player is among the eight best of a game in the ranking the dashboard reads.
bool amongEightBest(DriverProcess& driver, const std::string& game, const std::string& surname,
                    const std::string& firstName);

} // namespace velmora::test
