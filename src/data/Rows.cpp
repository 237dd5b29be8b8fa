#include "data/Rows.h"

#include <stdexcept>
#include <strings.h>

namespace velmora {

namespace {
const Value kNothing;
}

Rows::Rows(std::vector<std::string> columnNames, std::vector<Value> cells)
    : m_columnNames(std::move(columnNames)), m_cells(std::move(cells)) {}

int Rows::rowCount() const {
    return m_columnNames.empty() ? 0 : static_cast<int>(m_cells.size() / m_columnNames.size());
}

const Value& Rows::at(int column, int row) const {
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount()) return kNothing;
    return m_cells[static_cast<size_t>(row) * m_columnNames.size() + static_cast<size_t>(column)];
}

Value& Rows::cell(int column, int row) {
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount()) {
        throw std::out_of_range("cella fuori dal risultato");
    }
    return m_cells[static_cast<size_t>(row) * m_columnNames.size() + static_cast<size_t>(column)];
}

int Rows::columnIndex(const std::string& name) const {
    for (size_t i = 0; i < m_columnNames.size(); ++i) {
        if (strcasecmp(m_columnNames[i].c_str(), name.c_str()) == 0) return static_cast<int>(i);
    }
    return -1;
}

const Value& Rows::field(const std::string& name, int row) const { return at(columnIndex(name), row); }

} // namespace velmora
