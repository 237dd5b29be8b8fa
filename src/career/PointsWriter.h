#pragma once

#include <functional>

namespace velmora {

class Database;
class Rows;

// Stores the ranking points computed in memory, columns 9..12 of the rows (Uno, Hearts, Brisolo,
// total): every stored player ends with the values of the last row that names him (surname and first
// name, matched without regard to letter case), and a player no row names ends with none. Only the
// players whose stored points differ from that are written, through one kept statement.
class PointsWriter {
  public:
    explicit PointsWriter(Database& database) : m_database(database) {}

    // Writes rows 0..lastRow; afterEach(row) runs after each player (progress display).
    void write(const Rows& players, int lastRow, const std::function<void(int row)>& afterEach);

  private:
    Database& m_database;
};

} // namespace velmora
