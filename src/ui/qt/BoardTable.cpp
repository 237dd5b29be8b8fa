#include "ui/qt/BoardTable.h"

#include "ui/qt/BoardCell.h"

#include <cmath>

namespace velmora {

BoardTable::BoardTable(QAccessibleInterface* owner, std::function<AccessibleTable()> read)
    : m_owner(owner), m_read(std::move(read)) {}

BoardTable::~BoardTable() {
    freeCells();
}

void BoardTable::freeCells() const {
    // Qt owns a registered interface: it is deleted through its id, as Qt's own item views do.
    for (const auto& [place, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

AccessibleTable BoardTable::board() const {
    AccessibleTable now = m_read();
    if (now.headers != m_headers || now.rows.size() != m_rows) {
        // The cells made for the board as it was may name columns and rows it no longer has.
        freeCells();
        m_headers = now.headers;
        m_rows = now.rows.size();
    }
    return now;
}

int BoardTable::columnCount() const {
    return static_cast<int>(m_read().headers.size());
}

int BoardTable::rowCount() const {
    return static_cast<int>(m_read().rows.size());
}

QString BoardTable::cellText(int row, int column) const {
    const AccessibleTable now = m_read();
    if (column < 0 || column >= static_cast<int>(now.headers.size()) || row >= static_cast<int>(now.rows.size()))
        return {};
    const std::string& text = row < 0 ? now.headers[static_cast<size_t>(column)]
                                      : now.rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
    return QString::fromStdString(text);
}

QRect BoardTable::cellRect(int row, int column) const {
    // The header caption is one line across the board; the player lines follow under it at the
    // same height, each column where its caption lies across the header.
    const QRect header = m_owner->rect();
    const AccessibleTable now = m_read();
    if (column < 0 || column >= static_cast<int>(now.spans.size())) return {};
    const auto [from, to] = now.spans[static_cast<size_t>(column)];
    const int left = header.left() + static_cast<int>(std::lround(from * header.width()));
    const int right = header.left() + static_cast<int>(std::lround(to * header.width()));
    return QRect(left, header.top() + (row + 1) * header.height(), std::max(1, right - left), header.height());
}

QAccessibleInterface* BoardTable::cell(int row, int column) const {
    const auto place = std::make_pair(row, column);
    auto found = m_cells.find(place);
    if (found != m_cells.end()) return QAccessible::accessibleInterface(found->second);
    auto* made = new BoardCell(*this, row, column);
    m_cells[place] = QAccessible::registerAccessibleInterface(made);
    return made;
}

QAccessibleInterface* BoardTable::headerCell(int column) const {
    if (column < 0 || column >= static_cast<int>(m_headers.size())) return nullptr;
    return cell(-1, column);
}

QAccessibleInterface* BoardTable::cellAt(int row, int column) const {
    const AccessibleTable now = board();
    if (row < 0 || row >= static_cast<int>(now.rows.size()) || column < 0 ||
        column >= static_cast<int>(now.headers.size()))
        return nullptr;
    return cell(row, column);
}

int BoardTable::childCount() const {
    const AccessibleTable now = board();
    return static_cast<int>((now.rows.size() + 1) * now.headers.size());
}

QAccessibleInterface* BoardTable::child(int index) const {
    const AccessibleTable now = board();
    const int columns = static_cast<int>(now.headers.size());
    if (index < 0 || columns == 0 || index >= static_cast<int>((now.rows.size() + 1) * now.headers.size()))
        return nullptr;
    return cell(index / columns - 1, index % columns);
}

int BoardTable::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [place, id] : m_cells) {
        if (QAccessible::accessibleInterface(id) == child)
            return (place.first + 1) * static_cast<int>(m_headers.size()) + place.second;
    }
    return -1;
}

} // namespace velmora
