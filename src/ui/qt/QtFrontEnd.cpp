#include "ui/qt/QtFrontEnd.h"

#include "ui/Window.h"
#include "ui/qt/DesignScale.h"
#include "ui/qt/InputSwallower.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/SoundBoard.h"
#include "ui/qt/TableSpeed.h"
#include "ui/qt/TimerPump.h"
#include "ui/qt/WindowView.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace velmora {

namespace {
constexpr int kMinimumWidth = 1024, kMinimumHeight = 576;
constexpr size_t kMostAnnouncedAtOnce = 4;
} // namespace

QtFrontEnd::QtFrontEnd()
    : m_platform(std::make_unique<QtPlatform>()), m_swallower(std::make_unique<InputSwallower>()) {}

QtFrontEnd::~QtFrontEnd() {
    // The pump goes first: no tick may reach a window that is being taken down.
    m_pump.reset();
    m_platform->setAnnouncer(nullptr);
    m_platform->setSoundPlayer(nullptr);
    m_view.reset();
}

Platform& QtFrontEnd::platform() {
    return *m_platform;
}

void QtFrontEnd::useFolders(const std::string& pictures, const std::string& career, const std::string& shipped) {
    m_platform->setFolders(pictures, career, shipped);
}

void QtFrontEnd::show(Window& window) {
    m_window = &window;
    m_view = std::make_unique<WindowView>(window);
    m_pump = std::make_unique<TimerPump>(window, m_platform->speed());
    m_view->followPace(&m_platform->speed());
    m_platform->setDialogParent(m_view.get());
    m_platform->setAnnouncer([this](const std::string& text) { m_announced.push_back(text); });
    m_sounds = std::make_unique<SoundBoard>(m_platform->appFolder(), m_platform->speed());
    m_platform->setSoundPlayer([this](const std::string& name) { m_sounds->raise(name); });
    m_platform->setBeforeYield([this] {
        m_window->setNow(m_platform->nowMs());
        m_view->sync();
    });
    window.setChangedCallback([this] { eventDone(); });
    // The table clock runs at the pace chosen in the pace selector.
    m_pump->followSelector(window.find("Combo12"));
    m_sounds->followMute(window.find("Combo14"));

    QSize size = DesignScale::designPixels();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = DesignScale::startSize(available.size());
        // Below this the boards' smallest text no longer reads; a smaller screen keeps what it has.
        m_view->setMinimumSize(std::min(kMinimumWidth, available.width()),
                               std::min(kMinimumHeight, available.height()));
        m_view->resize(size);
        m_view->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        m_view->resize(size);
    }
    m_view->show();
    m_view->sync();
    m_pump->arm();
}

void QtFrontEnd::eventDone() {
    // A handler that yielded ran long enough for the player to click again ("Prossima Settimana"
    // twice): that input waited in the queue and would now run a second time. A disabled window
    // ignores such clicks, and so does this one.
    if (m_platform->yields() != m_yieldsSeen) {
        m_yieldsSeen = m_platform->yields();
        m_pump->setHeld(true);
        m_swallower->dropPendingInput();
        m_pump->setHeld(false);
    }
    m_view->sync();
    m_sounds->eventDone();
    // What one event brought is said in order, as one announcement: a screen reader handed several
    // at once speaks only the last ("Tocca a te" over the card laid before it). A skip to the
    // round's result, which brings a whole round of moves at once, says only where it ended.
    std::vector<std::string> said;
    said.swap(m_announced);
    const size_t first = said.size() > kMostAnnouncedAtOnce ? said.size() - 1 : 0;
    std::string lines;
    for (size_t k = first; k < said.size(); ++k) {
        if (!lines.empty()) lines += std::string("!?.").find(lines.back()) == std::string::npos ? ". " : " ";
        lines += said[k];
    }
    if (!lines.empty()) m_view->announce(lines);
    if (m_afterEvent) m_afterEvent();
    m_pump->arm();
}

} // namespace velmora
