#pragma once

#include <QAccessibleWidget>

namespace velmora {

class ControlWidget;

// A control as the desktop's screen reader sees it: the role, name and state the game words for
// it, and a press action for a button. Panels and the stage leave out of their children what is
// not read (decorations, face-down cards, empty captions).
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Hands Qt the interface of the game's widgets; installed once per application.
    static void install();

  private:
    ControlWidget* control() const;
    QList<QWidget*> readChildren() const;
};

} // namespace velmora
