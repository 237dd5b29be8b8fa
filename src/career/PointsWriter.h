#pragma once

#include <functional>

namespace velmora {

class Database;
class Rows;

// Stores the ranking points computed in memory: the four points columns of every giocatori row
// are zeroed, then each player of the rows with any points gets his values from columns 9..12 (Uno,
// Hearts, Brisolo, total) through one kept statement, the player addressed by surname and first
// name.
class PointsWriter {
  public:
    explicit PointsWriter(Database& database) : m_database(database) {}

    // Writes rows 0..lastRow; afterEach(row) runs after each player (progress display).
    void write(const Rows& players, int lastRow, const std::function<void(int row)>& afterEach);

  private:
    Database& m_database;
};

} // namespace velmora
