#pragma once

#include "data/Value.h"

#include <string>
#include <vector>

namespace velmora {

// A query result fetched whole, addressed (column, row) from 0 like the game's bulk-fetch arrays.
class Rows {
public:
    Rows() = default;
    Rows(std::vector<std::string> columnNames, std::vector<Value> cells);

    // Value at (column, row); an index outside the result reads as numeric 0.
    const Value& at(int column, int row) const;
    // Writable cell, for results the game updates in memory; the index must be inside the result.
    Value& cell(int column, int row);
    // Index of the last row; -1 when the result has no rows.
    int last() const { return rowCount() - 1; }
    int rowCount() const;
    int columnCount() const { return static_cast<int>(m_columnNames.size()); }
    bool empty() const { return m_cells.empty(); }
    const std::vector<std::string>& columnNames() const { return m_columnNames; }
    // Position of a named column (case-insensitive), or -1.
    int columnIndex(const std::string& name) const;
    // Value of the named column in the given row.
    const Value& field(const std::string& name, int row = 0) const;

private:
    std::vector<std::string> m_columnNames;
    std::vector<Value> m_cells; // row-major
};

} // namespace velmora
