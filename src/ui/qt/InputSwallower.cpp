#include "ui/qt/InputSwallower.h"

#include <QCoreApplication>
#include <QEvent>

namespace velmora {

void InputSwallower::dropPendingInput() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return;
    application->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    application->removeEventFilter(this);
}

bool InputSwallower::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        ++m_dropped;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace velmora
