#pragma once

#include <QAccessibleWidget>

#include <memory>

namespace velmora {

class BoardTable;
class ControlWidget;

// A control as the desktop's screen reader sees it: the role, name and state the game words for
// it, and a press action for a button. Panels and the stage leave out of their children what is
// not read (decorations, face-down cards, empty captions). A board is a table whose children are
// its cells.
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(QWidget* widget);
    ~ControlAccessible() override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Hands Qt the interface of the game's widgets; installed once per application.
    static void install();
    // The object name of the window's status line, read as a notification of each announcement.
    static constexpr const char* kStatusName = "velmoraStatus";

  private:
    ControlWidget* control() const;
    QList<QWidget*> readChildren() const;
    // The board the control carries now, nullptr when it carries none.
    BoardTable* board() const;

    mutable std::unique_ptr<BoardTable> m_board;
};

} // namespace velmora
