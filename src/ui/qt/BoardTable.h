#pragma once

#include "ui/Accessible.h"

#include <QAccessible>
#include <QAccessibleTableInterface>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// A board of the table screen as a screen reader's table, for the control that carries it: a
// header cell per column named by the column's long name, and a row of cells per player line, as
// the game words the board now. The cells are made as they are asked for, registered with Qt's
// accessibility, and freed when the board takes another shape (other columns, more or fewer rows)
// or goes; a cell reads its words afresh each time, so new figures need no new cells.
class BoardTable : public QAccessibleTableInterface {
  public:
    // `owner` is the accessible of the control that carries the board; `read` gives the board now.
    BoardTable(QAccessibleInterface* owner, std::function<AccessibleTable()> read);
    ~BoardTable() override;
    BoardTable(const BoardTable&) = delete;
    BoardTable& operator=(const BoardTable&) = delete;

    // The table's children: the header cells, then the cells row by row.
    int childCount() const;
    QAccessibleInterface* child(int index) const;
    int indexOfChild(const QAccessibleInterface* child) const;

    // The cell's words now; row -1 is the header. "" outside the board.
    QString cellText(int row, int column) const;
    // The header cell over a column.
    QAccessibleInterface* headerCell(int column) const;
    // Where a cell lies on screen; row -1 is the header.
    QRect cellRect(int row, int column) const;
    QAccessibleInterface* owner() const { return m_owner; }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return cellText(-1, column); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // A board is read, never selected.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    // The board now; the cells made for another shape of it are freed first.
    AccessibleTable board() const;
    QAccessibleInterface* cell(int row, int column) const;
    void freeCells() const;

    QAccessibleInterface* m_owner;
    std::function<AccessibleTable()> m_read;
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells; // by row (-1 header) and column
    mutable std::vector<std::string> m_headers;                    // the shape the cells were made for
    mutable size_t m_rows = 0;
};

} // namespace velmora
