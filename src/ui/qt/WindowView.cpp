#include "ui/qt/WindowView.h"
#include "ui/qt/TableSpeed.h"

#include "ui/Window.h"
#include "ui/qt/CardSlides.h"
#include "ui/qt/ChartWidget.h"
#include "ui/qt/ComboArrowStyle.h"
#include "ui/qt/ControlAccessible.h"
#include "ui/qt/ControlWidget.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QComboBox>
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>

namespace velmora {

namespace {

// The table's felt: the border around the design and the form below every control.
const QColor kBorderFelt(9, 38, 22);
const QColor kStageFelt(22, 72, 40);

QColor rgb(std::uint32_t colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

} // namespace

// One control's widget and the values last applied to it.
struct WindowView::Entry {
    Control* control = nullptr;
    QWidget* widget = nullptr;
    ControlWidget* painted = nullptr; // panels, labels, pictures, shapes
    QComboBox* combo = nullptr;
    QLineEdit* edit = nullptr;
    ChartWidget* chart = nullptr;

    bool applied = false;
    const Control* panel = nullptr;
    QRect geometry;
    bool visible = false;
    bool enabled = true;
    std::string text;
    std::uint32_t backColor = 0, foreColor = 0, borderColor = 0;
    bool backTransparent = true, border = false, wordWrap = true, clickable = false, stretch = true;
    std::string family;
    double fontSize = 0;
    bool bold = false, italic = false;
    Align align = Align::Left;
    std::string picture;
    std::vector<std::string> items;
    int listIndex = -1;
    int radius = 0;
    double glyphWidth = 1.0;
    bool dimmed = false, marked = false, framed = false;
    std::string toolTip;
    Chart chartData;

    bool sameLook(const Control& c) const {
        return text == c.text && enabled == c.enabled && backColor == c.backColor &&
               foreColor == c.foreColor && borderColor == c.borderColor &&
               backTransparent == c.backTransparent && border == c.border && wordWrap == c.wordWrap &&
               clickable == c.clickable && stretch == c.stretch && family == c.font.family &&
               fontSize == c.font.size && bold == c.font.bold && italic == c.font.italic &&
               align == c.align && picture == c.picture && listIndex == c.listIndex && radius == c.radius &&
               glyphWidth == c.glyphWidth && dimmed == c.dimmed && marked == c.marked && framed == c.framed &&
               toolTip == c.toolTip && items == c.items && chartData == c.chart;
    }

    void takeLook(const Control& c) {
        text = c.text;
        enabled = c.enabled;
        backColor = c.backColor;
        foreColor = c.foreColor;
        borderColor = c.borderColor;
        backTransparent = c.backTransparent;
        border = c.border;
        wordWrap = c.wordWrap;
        clickable = c.clickable;
        stretch = c.stretch;
        family = c.font.family;
        fontSize = c.font.size;
        bold = c.font.bold;
        italic = c.font.italic;
        align = c.align;
        picture = c.picture;
        listIndex = c.listIndex;
        radius = c.radius;
        glyphWidth = c.glyphWidth;
        dimmed = c.dimmed;
        marked = c.marked;
        framed = c.framed;
        toolTip = c.toolTip;
        if (items != c.items) items = c.items;
        if (!(chartData == c.chart)) chartData = c.chart;
    }
};

WindowView::WindowView(Window& window, QWidget* parent)
    : QWidget(parent), m_window(window), m_pictures(window.platform().appFolder()) {
    setWindowTitle(QString::fromStdString(window.title()));
    setMinimumSize(320, 180);
    setFocusPolicy(Qt::StrongFocus);
    // The paint event below covers every pixel, so the toolkit need not clear the window first: at
    // 4K that clearing alone is a fill of 33 MB per frame.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ControlAccessible::install();
    m_stage = new QWidget(this);
    m_stage->setObjectName(QStringLiteral("velmoraStage"));
    m_stage->setAccessibleName(QString::fromStdString(window.title()));
    // One pixel in the corner, under the stage: there for the screen reader, out of sight.
    // Named before it joins the window, so a screen reader is handed it as the notification it is.
    m_status = new QLabel;
    m_status->setObjectName(QLatin1String(ControlAccessible::kStatusName));
    m_status->setParent(this);
    m_status->setGeometry(0, 0, 1, 1);
    m_status->lower();
    // Made after the stage, so it is destroyed after the combo boxes that use it.
    m_comboStyle = new ComboArrowStyle();
    m_comboStyle->setParent(this);
    buildNewControls();
    m_slides = new CardSlides(m_pictures, m_stage);
    m_pictures.setShown([this](const std::string& path) { return m_window.shownPicture(path); });
    sync();
}

WindowView::~WindowView() = default;

void WindowView::followPace(const TableSpeed* speed) {
    m_speed = speed;
    m_slides->followPace(speed);
}

void WindowView::buildNewControls() {
    const auto& controls = m_window.controls();
    const size_t first = m_entries.size();
    if (first == controls.size()) return;
    // Every widget is made before any is placed: a control may sit on a panel created after it.
    for (size_t i = first; i < controls.size(); ++i) {
        auto entry = std::make_unique<Entry>();
        Control& c = *controls[i];
        entry->control = &c;
        switch (c.kind) {
        case ControlKind::Combo: {
            auto* combo = new QComboBox(m_stage);
            combo->setFocusPolicy(Qt::StrongFocus);
            combo->setStyle(m_comboStyle);
            combo->installEventFilter(this);
            combo->view()->installEventFilter(this);
            Entry* e = entry.get();
            connect(combo, &QComboBox::activated, this, [this, e](int item) { chosen(*e, item); });
            entry->combo = combo;
            entry->widget = combo;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(m_stage);
            Entry* e = entry.get();
            connect(edit, &QLineEdit::textEdited, this, [this, e](const QString& text) { typed(*e, text); });
            entry->edit = edit;
            entry->widget = edit;
            break;
        }
        case ControlKind::Chart: {
            entry->chart = new ChartWidget(m_stage);
            entry->widget = entry->chart;
            break;
        }
        default: {
            auto* painted = new ControlWidget(c, m_pictures, m_stage);
            if (c.kind == ControlKind::Label || c.kind == ControlKind::Picture) {
                const Control* target = &c;
                painted->setClickHandler([this, target] { clicked(*target); });
                painted->setHoverHandler([this, target](bool over) { hovered(*target, over); });
            }
            {
                const Control* target = &c;
                painted->setDescription([this, target] { return m_window.describe(*target); });
            }
            entry->painted = painted;
            entry->widget = painted;
            break;
        }
        }
        m_byControl[&c] = entry.get();
        m_entries.push_back(std::move(entry));
    }
    // Placing them in creation order stacks later controls above earlier ones on each panel.
    for (size_t i = first; i < m_entries.size(); ++i) {
        Entry& e = *m_entries[i];
        e.widget->setParent(parentWidgetOf(*e.control));
        e.panel = e.control->panel;
        e.widget->raise();
    }
}

QWidget* WindowView::parentWidgetOf(const Control& control) {
    if (!control.panel) return m_stage;
    auto found = m_byControl.find(control.panel);
    return found == m_byControl.end() ? m_stage : found->second->widget;
}

QRect WindowView::geometryOf(const Control& c) {
    auto absolute = [](const Control& control) {
        QPoint at(control.left, control.top);
        for (const Control* p = control.panel; p; p = p->panel)
            at += QPoint(p->left, p->top);
        return at;
    };
    int width = c.width;
    int height = c.height;
    if (c.kind == ControlKind::Picture && !c.stretch && !c.picture.empty()) {
        // An unstretched picture takes its picture's own size.
        const QImage& image = m_pictures.image(c.picture);
        if (!image.isNull()) {
            width = static_cast<int>(image.width() * DesignScale::kTwipsPerPixel);
            height = static_cast<int>(image.height() * DesignScale::kTwipsPerPixel);
        }
    }
    const QPoint at = absolute(c);
    QRect rect = m_scale.map(at.x(), at.y(), width, height);
    if (c.panel) {
        const QPoint panelAt = absolute(*c.panel);
        rect.translate(-m_scale.map(panelAt.x(), panelAt.y(), 0, 0).topLeft());
    }
    return rect;
}

bool WindowView::apply(Entry& e, bool force) {
    Control& c = *e.control;
    bool touched = false;
    const bool fresh = force || !e.applied;
    if (c.panel != e.panel) {
        e.widget->setParent(parentWidgetOf(c));
        e.panel = c.panel;
        e.widget->raise();
        e.visible = !c.visible; // a new parent hides the widget: show it again below
    }
    const QRect geometry = geometryOf(c);
    if (fresh || geometry != e.geometry) {
        e.widget->setGeometry(geometry);
        e.geometry = geometry;
        touched = true;
    }
    const bool visible = c.visible;
    if (fresh || visible != e.visible) {
        e.widget->setVisible(visible);
        e.visible = visible;
        touched = true;
    }
    if (!fresh && e.sameLook(c)) {
        e.applied = true;
        return touched;
    }
    const bool itemsChanged = !e.applied || e.items != c.items;
    e.takeLook(c);
    e.applied = true;
    const QString toolTip = QString::fromStdString(c.toolTip);
    if (e.widget->toolTip() != toolTip) e.widget->setToolTip(toolTip);
    const double factor = m_scale.factor();
    if (e.chart) {
        e.chart->draw(c, factor, e.chart->logicalDpiY());
        return true;
    }
    if (e.painted) {
        e.painted->setFactor(factor);
        if (c.clickable) {
            e.painted->setCursor(Qt::PointingHandCursor);
        } else {
            e.painted->unsetCursor();
        }
        e.painted->lookChanged();
        return true;
    }
    QPalette palette = e.widget->palette();
    palette.setColor(QPalette::Base, rgb(c.backColor));
    palette.setColor(QPalette::Text, rgb(c.foreColor));
    palette.setColor(QPalette::ButtonText, rgb(c.foreColor));
    e.widget->setPalette(palette);
    e.widget->setFont(ControlWidget::scaledFont(c.font, factor, e.widget->logicalDpiY()));
    e.widget->setEnabled(c.enabled);
    e.widget->setCursor(c.clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (e.combo) {
        applyCombo(e, itemsChanged);
    } else if (e.edit) {
        const QString text = QString::fromStdString(c.text);
        if (e.edit->text() != text) e.edit->setText(text);
        Qt::Alignment align = c.align == Align::Right    ? Qt::AlignRight
                              : c.align == Align::Center ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
        e.edit->setAlignment(align | Qt::AlignVCenter);
    }
    return true;
}

void WindowView::applyCombo(Entry& e, bool itemsChanged) {
    const Control& c = *e.control;
    QComboBox& combo = *e.combo;
    const QSignalBlocker quiet(combo);
    if (itemsChanged || combo.count() != static_cast<int>(c.items.size())) {
        QStringList items;
        items.reserve(static_cast<int>(c.items.size()));
        for (const auto& item : c.items)
            items.push_back(QString::fromStdString(item));
        combo.clear();
        combo.addItems(items);
    }
    // The box shows its text: the selected item, or a text that is no item of the list.
    int current = -1;
    if (c.listIndex >= 0 && c.listIndex < static_cast<int>(c.items.size()) &&
        c.items[static_cast<size_t>(c.listIndex)] == c.text) {
        current = c.listIndex;
    } else {
        for (size_t i = 0; i < c.items.size(); ++i) {
            if (c.items[i] == c.text) {
                current = static_cast<int>(i);
                break;
            }
        }
    }
    combo.setCurrentIndex(current);
    combo.setPlaceholderText(current < 0 ? QString::fromStdString(c.text) : QString());
}

void WindowView::sync() {
    buildNewControls();
    // A window resized while hidden gets its resize event only when shown; a sync must not wait.
    // Another set of pictures is drawn anew everywhere.
    if (size() != m_fittedFor || m_pictureSet != m_window.pictureSet()) {
        m_pictureSet = m_window.pictureSet();
        placeStage();
    }
    if (!m_routes.empty()) startSlides();
    int changes = 0;
    for (auto& entry : m_entries) {
        if (apply(*entry, false)) ++changes;
    }
    m_lastChanges = changes;
    if (const Control* wanted = m_window.takeFocusRequest()) {
        auto found = m_byControl.find(wanted);
        if (found != m_byControl.end() && found->second->widget->isVisibleTo(this))
            found->second->widget->setFocus(Qt::OtherFocusReason);
    }
    const QString title = QString::fromStdString(m_window.title());
    if (windowTitle() != title) setWindowTitle(title);
}

WindowView::Entry* WindowView::entryOf(const std::string& name, int index) const {
    Control* control = m_window.find(name, index);
    if (!control) return nullptr;
    auto found = m_byControl.find(control);
    return found == m_byControl.end() ? nullptr : found->second;
}

QRect WindowView::onStage(const Entry& e) const {
    QWidget* parent = e.widget->parentWidget();
    const QPoint at = parent == m_stage ? e.geometry.topLeft() : parent->mapTo(m_stage, e.geometry.topLeft());
    return QRect(at, e.geometry.size());
}

void WindowView::startSlides() {
    for (const SlideRoute& route : m_routes) {
        if (route.away) {
            depart(route);
        } else {
            arrive(route);
        }
    }
}

void WindowView::arrive(const SlideRoute& route) {
    Entry* target = entryOf(route.to, route.toIndex);
    if (!target || !target->applied || !target->painted) return;
    const Control& c = *target->control;
    const bool arriving =
        c.shown() && !c.picture.empty() && (!target->visible || target->picture != c.picture);
    if (!arriving) return;
    // The card comes from wherever it was showing a moment ago: a card of the hand. A seat's place
    // never takes it from another seat's place, though Uno's decks hold every card twice; only
    // the discard pile (a route from no seat) takes the card a seat has just put down. Cards held
    // on the table (those that leave by gathering) give way to the next card and go nowhere.
    const auto held = [this](const Control& other) {
        return std::any_of(m_routes.begin(), m_routes.end(),
                           [&](const SlideRoute& r) { return r.away && r.to == other.name; });
    };
    const Entry* origin = nullptr;
    for (const auto& entry : m_entries) {
        const Control& other = *entry->control;
        if (entry.get() == target || !entry->applied || !entry->visible || entry->picture != c.picture ||
            other.kind != ControlKind::Picture || (!route.from.empty() && other.name == c.name) || held(other))
            continue;
        if (!other.visible || other.picture != c.picture) {
            origin = entry.get();
            break;
        }
    }
    if (!origin && !route.from.empty()) origin = entryOf(route.from, route.fromIndex);
    if (!origin || !origin->applied) return;
    // The landing place as this sync will put it.
    Entry landing = *target;
    landing.geometry = geometryOf(c);
    m_slides->start(c.picture, onStage(*origin), onStage(landing), target->painted);
}

void WindowView::depart(const SlideRoute& route) {
    // The outlined card of the group names the item of the destination array.
    std::vector<Entry*> leaving;
    int outlined = -1;
    for (int item = 0;; ++item) {
        Entry* e = entryOf(route.to, item);
        if (!e) break;
        if (e->marked) outlined = item;
        const Control& c = *e->control;
        if (e->applied && e->visible && !e->picture.empty() && !c.visible && c.panel && c.panel->shown())
            leaving.push_back(e);
    }
    if (leaving.empty() || outlined < 0) return;
    const Entry* destination = entryOf(route.from, outlined);
    if (!destination || !destination->applied) return;
    const QRect plate = onStage(*destination);
    for (const Entry* e : leaving) {
        // The trick gathers on the winner's plate, at half its size.
        const QRect from = onStage(*e);
        QRect to(QPoint(0, 0), from.size() / 2);
        to.moveCenter(plate.center());
        m_slides->start(e->picture, from, to, nullptr);
    }
}

void WindowView::syncAndRepaint() {
    sync();
    repaint();
}

QImage WindowView::shot(QSize size) {
    resize(size);
    placeStage();
    sync();
    // Exactly the size asked for, whatever the screen's pixel ratio.
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    image.fill(kBorderFelt);
    render(&image);
    return image;
}

QWidget* WindowView::widgetOf(const std::string& name, int index) const {
    Control* control = m_window.find(name, index);
    if (!control) return nullptr;
    auto found = m_byControl.find(control);
    return found == m_byControl.end() ? nullptr : found->second->widget;
}

void WindowView::placeStage() {
    m_fittedFor = size();
    m_scale.fit(size());
    m_stage->setGeometry(m_scale.stage());
    for (auto& entry : m_entries)
        apply(*entry, true);
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStage();
}

void WindowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBorderFelt);
    painter.fillRect(m_scale.stage(), kStageFelt);
}

std::string WindowView::keyName(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return "Return";
    case Qt::Key_Escape:
        return "Escape";
    case Qt::Key_Left:
        return "Left";
    case Qt::Key_Right:
        return "Right";
    case Qt::Key_Space:
        return "Space";
    case Qt::Key_F1:
        return "F1";
    default:
        break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return std::string(1, static_cast<char>('A' + (key - Qt::Key_A)));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return std::string(1, static_cast<char>('0' + (key - Qt::Key_0)));
    return "";
}

bool WindowView::gameKey(QKeyEvent* event) {
    // A held key would play card after card: only a fresh press counts. Keys with Ctrl or Alt are
    // the desktop's, not the game's.
    const std::string key = keyName(event->key());
    if (key.empty() || event->isAutoRepeat() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    m_window.setNow(m_window.platform().nowMs());
    const bool taken = m_window.pressKey(key);
    sync();
    return taken;
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    if (keyName(event->key()).empty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    gameKey(event);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(watched);
    auto* list = combo ? nullptr : qobject_cast<QAbstractItemView*>(watched);
    if (!combo && !list) return QWidget::eventFilter(watched, event);
    // A list that closes leaves the keyboard with itself, out of sight, until the desktop gives the
    // window back its activation, which a bare desktop never does: the window takes it back now.
    if (list && event->type() == QEvent::Hide) {
        activateWindow();
        setFocus(Qt::PopupFocusReason);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // An open list is the player's to scroll and pick from.
    if ((combo && combo->view()->isVisible()) || (list && list->isVisible())) return false;
    return gameKey(static_cast<QKeyEvent*>(event));
}

void WindowView::announce(const std::string& text) {
    const QString line = QString::fromStdString(text);
    // The same line twice is still news (two turns of the same player).
    if (m_status->accessibleName() == line) m_status->setAccessibleName(QString());
    m_status->setAccessibleName(line);
    QAccessibleEvent changed(m_status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // A screen reader speaks a name change only on the control that has the focus; a notification
    // coming up is spoken wherever the focus is, so each line also comes up as one.
    QAccessibleEvent shown(m_status, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString WindowView::announced() const {
    return m_status->accessibleName();
}

void WindowView::clicked(const Control& control) {
    // A click on the table takes the keyboard back from a list or a text box, so the arrows move
    // the card frame again rather than the list's choice; a button pressed from the keyboard keeps
    // its focus, so Tab goes on from there.
    QWidget* pressed = widgetOf(control.name, control.index);
    if (!pressed || !pressed->hasFocus()) setFocus(Qt::MouseFocusReason);
    m_window.setNow(m_window.platform().nowMs());
    m_window.click(control.name, control.index);
    sync();
}

void WindowView::hovered(const Control& control, bool over) {
    // Most controls do nothing under the pointer but light up; only those the game watches make
    // an event of it.
    if (!m_window.hasHover(control.name)) return;
    m_window.setNow(m_window.platform().nowMs());
    m_window.hover(control.name, control.index, over);
    sync();
}

void WindowView::chosen(Entry& e, int item) {
    const Control& c = *e.control;
    bool taken = false;
    if (item >= 0 && item < static_cast<int>(c.items.size())) {
        m_window.setNow(m_window.platform().nowMs());
        taken = m_window.choose(c.name, c.index, c.items[static_cast<size_t>(item)]);
    }
    // A refused choice puts the box back as the model has it.
    if (!taken) e.applied = false;
    // The choice is made: the keyboard goes back to the game, so the arrows move the card frame
    // again instead of the list's choice.
    setFocus(Qt::OtherFocusReason);
    sync();
}

void WindowView::typed(Entry& e, const QString& text) {
    const Control& c = *e.control;
    if (!m_window.type(c.name, c.index, text.toStdString())) e.applied = false;
    sync();
}

} // namespace velmora
