#include "ui/qt/QtFrontEnd.h"

#include "ui/Window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QWidget>

namespace velmora {

// Not built yet: a bare window until the real renderer lands.
struct QtFrontEnd::Impl : Platform {
    QElapsedTimer clock;
    QWidget widget;
    void messageBox(const std::string& text, const std::string& title) override {
        QMessageBox::information(nullptr, QString::fromStdString(title), QString::fromStdString(text));
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        return QMessageBox::question(nullptr, QString::fromStdString(title), QString::fromStdString(text)) ==
               QMessageBox::Yes;
    }
    void yield() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    std::string appFolder() const override { return QCoreApplication::applicationDirPath().toStdString(); }
    long long nowMs() const override { return clock.elapsed(); }
    void quit() override { QCoreApplication::quit(); }
};

QtFrontEnd::QtFrontEnd() : m_impl(std::make_unique<Impl>()) { m_impl->clock.start(); }
QtFrontEnd::~QtFrontEnd() = default;
Platform& QtFrontEnd::platform() { return *m_impl; }
void QtFrontEnd::show(Window& window) {
    (void)window;
    m_impl->widget.show();
}

} // namespace velmora
