#include "ui/qt/ControlAccessible.h"

#include "ui/qt/BoardTable.h"
#include "ui/qt/ControlWidget.h"

#include <QAccessible>

namespace velmora {

namespace {

// The widget that holds every control of the view.
constexpr const char* kStageName = "velmoraStage";

bool readable(QWidget* widget) {
    // The cards sliding over the stage are only pictures of cards read where they land.
    if (!widget->isVisible() || widget->testAttribute(Qt::WA_TransparentForMouseEvents)) return false;
    auto* control = dynamic_cast<ControlWidget*>(widget);
    return !control || control->description().role != AccessibleRole::Hidden;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (dynamic_cast<ControlWidget*>(widget) || widget->objectName() == QLatin1String(kStageName) ||
        widget->objectName() == QLatin1String(ControlAccessible::kStatusName))
        return new ControlAccessible(widget);
    return nullptr;
}

} // namespace

ControlAccessible::ControlAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

ControlAccessible::~ControlAccessible() = default;

BoardTable* ControlAccessible::board() const {
    ControlWidget* c = control();
    if (!c || c->description().role != AccessibleRole::Table) {
        m_board.reset(); // its cells go with it
        return nullptr;
    }
    if (!m_board) m_board = std::make_unique<BoardTable>(const_cast<ControlAccessible*>(this), [c] {
        return c->description().table;
    });
    return m_board.get();
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        if (BoardTable* table = board()) return static_cast<QAccessibleTableInterface*>(table);
    }
    return QAccessibleWidget::interface_cast(type);
}

ControlWidget* ControlAccessible::control() const {
    return dynamic_cast<ControlWidget*>(widget());
}

void ControlAccessible::install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

QAccessible::Role ControlAccessible::role() const {
    ControlWidget* c = control();
    if (!c) return widget()->objectName() == QLatin1String(kStatusName) ? QAccessible::Notification : QAccessible::Grouping;
    switch (c->description().role) {
    case AccessibleRole::Button:
        return QAccessible::Button;
    case AccessibleRole::StaticText:
        return QAccessible::StaticText;
    case AccessibleRole::Grouping:
        return QAccessible::Grouping;
    case AccessibleRole::Table:
        return QAccessible::Table;
    case AccessibleRole::Hidden:
        return QAccessible::NoRole;
    case AccessibleRole::Own:
        break;
    }
    return QAccessibleWidget::role();
}

QString ControlAccessible::text(QAccessible::Text kind) const {
    ControlWidget* c = control();
    if (!c) return QAccessibleWidget::text(kind);
    const Accessible said = c->description();
    if (kind == QAccessible::Name) return QString::fromStdString(said.name);
    if (kind == QAccessible::Description) return QString::fromStdString(said.state);
    return QAccessibleWidget::text(kind);
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (ControlWidget* c = control()) {
        const Accessible said = c->description();
        if (said.unavailable) state.disabled = true;
        if (said.role == AccessibleRole::Hidden) state.invisible = true;
        state.focusable = c->focusPolicy() != Qt::NoFocus;
    }
    return state;
}

QStringList ControlAccessible::actionNames() const {
    ControlWidget* c = control();
    if (c && c->description().role == AccessibleRole::Button) return {pressAction()};
    return QAccessibleWidget::actionNames();
}

void ControlAccessible::doAction(const QString& action) {
    ControlWidget* c = control();
    if (c && action == pressAction()) {
        c->press();
        return;
    }
    QAccessibleWidget::doAction(action);
}

QList<QWidget*> ControlAccessible::readChildren() const {
    QList<QWidget*> children;
    for (QObject* object : widget()->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && readable(child)) children.push_back(child);
    }
    return children;
}

int ControlAccessible::childCount() const {
    if (BoardTable* table = board()) return table->childCount();
    return static_cast<int>(readChildren().size());
}

QAccessibleInterface* ControlAccessible::child(int index) const {
    if (BoardTable* table = board()) return table->child(index);
    const QList<QWidget*> children = readChildren();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    if (BoardTable* table = board()) return table->indexOfChild(child);
    return static_cast<int>(readChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

} // namespace velmora
