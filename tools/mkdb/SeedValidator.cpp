#include "SeedValidator.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 6> kContinents = {
    "Europa", "Asia", "Africa", "America del Nord", "America del Sud", "Oceania"};
constexpr std::array<std::string_view, 3> kGames = {"Uno", "Hearts", "Brisolo"};
// Host markers for the championships held in the player's own continent or nation.
constexpr std::string_view kContinentalHost = "conti";
constexpr std::string_view kNationalHost = "nazio";
constexpr int kNamesPerRow = 20;
constexpr long long kRegularWeeks = 49;    // weeks 1..49 hold the ordinary events
constexpr long long kMinEventsPerWeek = 2; // so the player always has a choice
constexpr long long kMaxEventsPerWeek = 4; // the week screen shows four events at most
constexpr long long kMaxEntrants = 1LL << 12;
// Weeks 50, 51 and 52 close the season with the final of each game, in this order.
constexpr std::array<std::string_view, 3> kFinalGames = {"Uno", "Hearts", "Brisolo"};
constexpr std::array<std::string_view, 8> kSettings = {"nummag", "tuonome",   "tuocognome", "tuanazionalita",
                                                       "tuaeta", "tuodenaro", "settimana",  "evento"};

template <typename List> bool contains(const List& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool isNationKey(std::string_view key) {
    return key.size() == 2 &&
           std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool hasOuterSpace(std::string_view text) {
    return !text.empty() && (text.front() == ' ' || text.back() == ' ');
}

std::string positions(long long from, long long to) {
    return from == to ? "position " + std::to_string(from)
                      : "positions " + std::to_string(from) + "-" + std::to_string(to);
}

} // namespace

std::vector<std::string> SeedValidator::validate() {
    m_errors.clear();
    checkNations();
    checkNamePools();
    checkTiers();
    checkSeason();
    checkTierCoverage();
    checkPrizes();
    checkSettings();
    return m_errors;
}

const SeedTable* SeedValidator::table(const std::string& name) {
    const auto it = m_tables.find(name);
    if (it == m_tables.end()) {
        fail(name + ".tsv: missing");
        return nullptr;
    }
    return &it->second;
}

std::string_view SeedValidator::field(const SeedTable& table, const SeedTable::Row& row,
                                      std::string_view column) {
    const int index = table.column(column);
    if (index < 0) {
        fail(table.where(row) + ": no column " + inQuotes(column));
        return {};
    }
    return row.fields[static_cast<size_t>(index)];
}

long long SeedValidator::number(const SeedTable& table, const SeedTable::Row& row, std::string_view column,
                                long long min, long long max) {
    const std::string_view text = field(table, row, column);
    const auto value = SeedTable::toInteger(text);
    if (!value) {
        fail(table.where(row) + ": " + std::string(column) + " " + inQuotes(text) + " is not a whole number");
        return min;
    }
    if (*value < min || *value > max) {
        fail(table.where(row) + ": " + std::string(column) + " " + std::to_string(*value) + " is outside " +
             std::to_string(min) + ".." + std::to_string(max));
    }
    return *value;
}

void SeedValidator::checkNations() {
    const SeedTable* nations = table("nazionalita");
    if (!nations) return;
    for (const auto& row : nations->rows()) {
        const std::string key(field(*nations, row, "nazionalita"));
        const std::string_view nation = field(*nations, row, "nazione");
        const std::string_view continent = field(*nations, row, "continente");
        // The key names the flag picture, so it must match the file name exactly.
        if (!isNationKey(key))
            fail(nations->where(row) + ": key " + inQuotes(key) + " is not two lower-case letters");
        if (!m_nationKeys.insert(key).second)
            fail(nations->where(row) + ": key " + inQuotes(key) + " repeated");
        if (nation.empty() || hasOuterSpace(nation))
            fail(nations->where(row) + ": bad nation name " + inQuotes(nation));
        if (!m_nationsByFolded.emplace(SeedTable::foldCase(nation), std::string(nation)).second) {
            fail(nations->where(row) + ": nation " + inQuotes(nation) + " repeated");
        }
        if (!contains(kContinents, continent)) {
            fail(nations->where(row) + ": unknown continent " + inQuotes(continent));
        }
    }
}

void SeedValidator::checkNamePools() {
    const SeedTable* pools = table("nazioni");
    if (!pools) return;
    std::map<std::string, int> surnameRows; // folded nation -> rows
    std::map<std::string, int> nameRows;
    for (const auto& row : pools->rows()) {
        const std::string_view nation = field(*pools, row, "nazione");
        const std::string_view kind = field(*pools, row, "nomecognome");
        const std::string folded = SeedTable::foldCase(nation);
        if (!m_nationsByFolded.contains(folded)) {
            fail(pools->where(row) + ": nation " + inQuotes(nation) + " is not in nazionalita.tsv");
        }
        if (kind == "cognome") {
            ++surnameRows[folded];
        } else if (kind == "nome") {
            ++nameRows[folded];
        } else {
            fail(pools->where(row) + ": nomecognome must be \"cognome\" or \"nome\", not " + inQuotes(kind));
        }
        std::set<std::string> seen;
        for (int i = 1; i <= kNamesPerRow; ++i) {
            const std::string column = "n" + std::to_string(i);
            const std::string_view name = field(*pools, row, column);
            if (name.empty() || hasOuterSpace(name)) {
                fail(pools->where(row) + ": " + column + " " + inQuotes(name) + " is not a usable name");
            } else if (!seen.insert(SeedTable::foldCase(name)).second) {
                fail(pools->where(row) + ": " + inQuotes(name) + " appears twice in the row");
            }
        }
    }
    // Players are drawn per nation, so every nation needs exactly one surname pool and some first names.
    for (const auto& [folded, nation] : m_nationsByFolded) {
        if (surnameRows[folded] != 1) {
            fail("nazioni.tsv: " + inQuotes(nation) + " has " + std::to_string(surnameRows[folded]) +
                 " cognome rows, it needs exactly one");
        }
        if (nameRows[folded] < 1) fail("nazioni.tsv: " + inQuotes(nation) + " has no nome row");
    }
}

void SeedValidator::checkTiers() {
    const SeedTable* points = table("punti");
    if (!points) return;
    for (const auto& row : points->rows()) {
        Tier tier{points->where(row), number(*points, row, "punti", 0, 1'000'000'000),
                  number(*points, row, "da", 1, kMaxEntrants), number(*points, row, "a", 1, kMaxEntrants)};
        const long long level = number(*points, row, "importanza", 0, 1'000'000);
        if (tier.to < tier.from) fail(tier.where + ": a " + std::to_string(tier.to) + " is before da");
        m_tiers[level].push_back(tier);
    }
    // The game pays the tiers in the order of falling points; that order must walk the positions
    // 1, 2, 3... without skipping or repeating any.
    for (auto& [level, tiers] : m_tiers) {
        std::sort(tiers.begin(), tiers.end(), [](const Tier& a, const Tier& b) {
            return a.points != b.points ? a.points > b.points : a.from < b.from;
        });
        const std::string name = "punti.tsv: level " + std::to_string(level);
        long long next = 1;
        for (size_t i = 0; i < tiers.size(); ++i) {
            const Tier& tier = tiers[i];
            if (i > 0 && tier.points == tiers[i - 1].points) {
                fail(tier.where + ": same points as the tier before; points must fall tier by tier");
            }
            if (tier.from > next) {
                fail(name + ": no tier for " + positions(next, tier.from - 1) + " (gap before " + tier.where +
                     ")");
            } else if (tier.from < next) {
                fail(name + ": " + positions(tier.from, std::min(tier.to, next - 1)) + " in two tiers (" +
                     tier.where + ")");
            }
            next = std::max(next, tier.to + 1);
        }
    }
}

void SeedValidator::checkSeason() {
    const SeedTable* calendar = table("calendario");
    if (!calendar) return;
    std::map<std::string, std::string> names; // folded name -> where first seen
    for (const auto& row : calendar->rows()) {
        Event event;
        event.where = calendar->where(row);
        event.name = std::string(field(*calendar, row, "torneo"));
        event.level = number(*calendar, row, "importanza", 0, 1'000'000);
        event.week = number(*calendar, row, "settimana", 1, 52);
        event.entrants = number(*calendar, row, "giocatori", 2, kMaxEntrants);
        event.game = std::string(field(*calendar, row, "gioco"));
        number(*calendar, row, "iscrizione", 0, 1'000'000'000);
        const std::string_view host = field(*calendar, row, "nazione");

        if (event.name.empty() || hasOuterSpace(event.name))
            fail(event.where + ": bad event name " + inQuotes(event.name));
        const auto [it, added] = names.emplace(SeedTable::foldCase(event.name), event.where);
        if (!added)
            fail(event.where + ": event name " + inQuotes(event.name) + " already used at " + it->second);
        if (field(*calendar, row, "citta").empty()) fail(event.where + ": no city");
        if (field(*calendar, row, "categoria").empty()) fail(event.where + ": no category");
        if (!contains(kGames, event.game)) {
            fail(event.where + ": game " + inQuotes(event.game) + " is not Uno, Hearts or Brisolo");
        }
        // Draws are knockout brackets, so the field must halve cleanly round by round.
        if ((event.entrants & (event.entrants - 1)) != 0) {
            fail(event.where + ": " + std::to_string(event.entrants) + " players is not a power of two");
        }
        if (host != kContinentalHost && host != kNationalHost && !m_nationKeys.contains(std::string(host))) {
            fail(event.where + ": host " + inQuotes(host) + " is neither a nation key nor conti/nazio");
        }
        m_events.push_back(std::move(event));
    }

    std::map<long long, std::vector<const Event*>> byWeek;
    for (const Event& event : m_events)
        byWeek[event.week].push_back(&event);
    for (long long week = 1; week <= kRegularWeeks; ++week) {
        const auto count = static_cast<long long>(byWeek[week].size());
        if (count < kMinEventsPerWeek || count > kMaxEventsPerWeek) {
            fail("calendario.tsv: week " + std::to_string(week) + " has " + std::to_string(count) +
                 " events, it needs " + std::to_string(kMinEventsPerWeek) + " to " +
                 std::to_string(kMaxEventsPerWeek));
        }
    }
    std::set<long long> finalLevels;
    for (size_t i = 0; i < kFinalGames.size(); ++i) {
        const long long week = kRegularWeeks + 1 + static_cast<long long>(i);
        const auto& events = byWeek[week];
        if (events.size() != 1 || events.front()->game != kFinalGames[i]) {
            fail("calendario.tsv: week " + std::to_string(week) + " must hold only the final of " +
                 std::string(kFinalGames[i]));
        }
        for (const Event* event : events)
            finalLevels.insert(event->level);
    }
    // The finals have a level of their own so that their points and prizes stand apart.
    for (const Event& event : m_events) {
        if (event.week <= kRegularWeeks && finalLevels.contains(event.level)) {
            fail(event.where + ": level " + std::to_string(event.level) + " is reserved for the finals");
        }
    }
}

void SeedValidator::checkTierCoverage() {
    std::map<long long, const Event*> largest; // level -> event with the most players
    for (const Event& event : m_events) {
        const Event*& biggest = largest[event.level];
        if (!biggest || event.entrants > biggest->entrants) biggest = &event;
    }
    for (const auto& [level, event] : largest) {
        const auto it = m_tiers.find(level);
        if (it == m_tiers.end()) {
            fail(event->where + ": level " + std::to_string(level) + " has no rows in punti.tsv");
            continue;
        }
        long long covered = 0;
        for (const Tier& tier : it->second)
            covered = std::max(covered, tier.to);
        if (covered < event->entrants) {
            fail("punti.tsv: level " + std::to_string(level) + " stops at position " +
                 std::to_string(covered) + " but " + inQuotes(event->name) + " has " +
                 std::to_string(event->entrants) + " players");
        }
    }
    for (const auto& [level, tiers] : m_tiers) {
        const auto it = largest.find(level);
        if (it == largest.end()) {
            fail("punti.tsv: level " + std::to_string(level) + " is used by no event");
            continue;
        }
        for (const Tier& tier : tiers) {
            if (tier.from > it->second->entrants) {
                fail(tier.where + ": " + positions(tier.from, tier.to) +
                     " can never be reached, the largest event" + " of level " + std::to_string(level) +
                     " has " + std::to_string(it->second->entrants) + " players");
            }
        }
    }
}

void SeedValidator::checkPrizes() {
    const SeedTable* prizes = table("premi");
    if (!prizes) return;
    struct Prize {
        long long id = 0;
        long long amount = 0;
        std::string where;
    };
    std::map<long long, std::vector<Prize>> byLevel;
    std::map<long long, std::string> ids;
    for (const auto& row : prizes->rows()) {
        Prize prize{number(*prizes, row, "id", 0, 1'000'000'000),
                    number(*prizes, row, "premio", 0, 1'000'000'000), prizes->where(row)};
        if (const auto [it, added] = ids.emplace(prize.id, prize.where); !added) {
            fail(prize.where + ": id " + std::to_string(prize.id) + " already used at " + it->second);
        }
        byLevel[number(*prizes, row, "importanza", 0, 1'000'000)].push_back(prize);
    }
    // Row j of a level's prizes (by id) pays the positions of row j of its points tiers.
    for (auto& [level, list] : byLevel) {
        std::sort(list.begin(), list.end(), [](const Prize& a, const Prize& b) { return a.id < b.id; });
        const auto tiers = m_tiers.find(level);
        const size_t tierCount = tiers == m_tiers.end() ? 0 : tiers->second.size();
        if (list.size() != tierCount) {
            fail("premi.tsv: level " + std::to_string(level) + " has " + std::to_string(list.size()) +
                 " prizes for " + std::to_string(tierCount) + " tiers in punti.tsv");
        }
        for (size_t i = 1; i < list.size(); ++i) {
            if (list[i].amount >= list[i - 1].amount) {
                fail(list[i].where + ": prize does not fall below the tier before");
            }
        }
    }
    for (const auto& [level, tiers] : m_tiers) {
        if (!byLevel.contains(level)) fail("premi.tsv: level " + std::to_string(level) + " has no prizes");
    }
}

void SeedValidator::checkSettings() {
    const SeedTable* settings = table("temp");
    if (!settings) return;
    std::set<std::string> seen;
    for (const auto& row : settings->rows()) {
        const std::string key(field(*settings, row, "dato"));
        if (!contains(kSettings, key)) fail(settings->where(row) + ": unknown setting " + inQuotes(key));
        if (!seen.insert(key).second) fail(settings->where(row) + ": setting " + inQuotes(key) + " repeated");
        number(*settings, row, "dato1", 0, 1'000'000'000);
    }
    for (std::string_view key : kSettings) {
        if (!seen.contains(std::string(key))) fail("temp.tsv: setting " + inQuotes(key) + " missing");
    }
}
