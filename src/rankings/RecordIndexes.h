#pragma once

namespace velmora {

class Database;

// The indexes the record screens read through: the players of one continent or one nation. The
// shipped database has them; a career made before they were shipped gets them when it is opened.
class RecordIndexes {
  public:
    static void ensure(Database& database);
};

} // namespace velmora
