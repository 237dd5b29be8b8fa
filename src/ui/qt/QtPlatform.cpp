#include "ui/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QMetaObject>
#include <QSettings>

namespace velmora {

QtPlatform::QtPlatform() {
    m_clock.start();
}

void QtPlatform::messageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, m_dialogParent);
    box.exec();
}

bool QtPlatform::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, m_dialogParent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtPlatform::askChoice(const std::string& text, const std::string& title,
                          const std::vector<std::string>& answers) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, m_dialogParent);
    std::vector<QAbstractButton*> buttons;
    for (size_t i = 0; i < answers.size(); ++i) {
        const bool last = i + 1 == answers.size();
        buttons.push_back(box.addButton(QString::fromStdString(answers[i]),
                                        last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (buttons.empty()) return -1;
    // Closing the question, or Escape, is the last answer: the one that changes nothing.
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.back()));
    box.setEscapeButton(buttons.back());
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
    }
    return static_cast<int>(buttons.size()) - 1;
}

void QtPlatform::yield() {
    const long long now = m_clock.elapsed();
    if (now - m_lastYield < kFrameMs) return;
    m_lastYield = now;
    ++m_yields;
    if (m_beforeYield) m_beforeYield();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::string QtPlatform::appFolder() const {
    return m_pictures.empty() ? QCoreApplication::applicationDirPath().toStdString() : m_pictures;
}

std::string QtPlatform::careerFolder() const {
    return m_career.empty() ? appFolder() : m_career;
}

namespace {
// Kept in the user's settings and not in the career: the pace and the options are the taste of the
// player at this desktop, not part of the world he plays in.
constexpr const char* kSettingsOwner = "velmora";
} // namespace

std::string QtPlatform::preference(const std::string& key) const {
    QSettings stored(kSettingsOwner, kSettingsOwner);
    return stored.value(QString::fromStdString(key)).toString().toStdString();
}

void QtPlatform::setPreference(const std::string& key, const std::string& value) {
    QSettings stored(kSettingsOwner, kSettingsOwner);
    stored.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

void QtPlatform::quit() {
    m_quitRequested = true;
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(application, &QCoreApplication::quit, Qt::QueuedConnection);
    }
}

} // namespace velmora
