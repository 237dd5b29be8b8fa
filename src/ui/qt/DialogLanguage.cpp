#include "ui/qt/DialogLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool DialogLanguage::installItalian() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return false;
    // One catalogue for the whole run, owned by the application.
    static QTranslator* installed = nullptr;
    if (installed) return true;
    auto* translator = new QTranslator(application);
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace velmora
