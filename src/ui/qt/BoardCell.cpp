#include "ui/qt/BoardCell.h"

#include "ui/qt/BoardTable.h"

namespace velmora {

bool BoardCell::isValid() const {
    return m_row < m_board.rowCount() && m_column < m_board.columnCount();
}

QWindow* BoardCell::window() const {
    return m_board.owner()->window();
}

QAccessibleInterface* BoardCell::parent() const {
    return m_board.owner();
}

QAccessibleInterface* BoardCell::table() const {
    return m_board.owner();
}

QString BoardCell::text(QAccessible::Text kind) const {
    return kind == QAccessible::Name ? m_board.cellText(m_row, m_column) : QString();
}

QRect BoardCell::rect() const {
    return m_board.cellRect(m_row, m_column);
}

QAccessible::Role BoardCell::role() const {
    return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State BoardCell::state() const {
    QAccessible::State state;
    state.readOnly = true;
    return state;
}

void* BoardCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface && m_row >= 0) return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

QList<QAccessibleInterface*> BoardCell::columnHeaderCells() const {
    QAccessibleInterface* header = m_board.headerCell(m_column);
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

} // namespace velmora
