#pragma once

#include <QAccessible>
#include <QAccessibleTableCellInterface>

namespace velmora {

class BoardTable;

// One cell of a board read as a table, or (row -1) the header cell over a column: it has no
// widget of its own and reads its words from the board each time.
class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    BoardCell(const BoardTable& board, int row, int column) : m_board(board), m_row(row), m_column(column) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  private:
    const BoardTable& m_board;
    int m_row;
    int m_column;
};

} // namespace velmora
