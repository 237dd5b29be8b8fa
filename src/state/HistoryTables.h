#pragma once

namespace velmora {

class Database;

// The tables of the career's history (see HistoryColumns.h) and the season counter they are keyed
// by. The shipped database does not hold them: they are made the first time a career is opened, so a
// career begun before they existed plays on as before and keeps its story from then on.
class HistoryTables {
  public:
    // The key of temp that counts the career's seasons: 1 for the season it began in.
    static constexpr const char* kSeasonKey = "stagione";

    // Creates whichever of the two tables and the season row is missing; changes nothing else.
    static void ensure(Database& database);
};

} // namespace velmora
