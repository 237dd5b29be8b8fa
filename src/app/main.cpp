#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/GameFolders.h"
#include "app/layout/Screens.h"
#include "ui/qt/DialogLanguage.h"
#include "ui/qt/QtFrontEnd.h"
#include "ui/qt/WindowView.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <iostream>

#ifndef VELMORA_INSTALLED_DATA
#define VELMORA_INSTALLED_DATA ""
#endif

// The game: the window opens on the title menu and the load runs in front of the player, so a
// failure to open the career is shown over the window.
int main(int argc, char** argv) {
    // "--help" and "--version" are answered before any window exists, so they work without a display.
    if (const auto status = velmora::answerCommandLine(argc, argv, std::cout)) return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("velmora")));
    // The Yes/No question's buttons read "Sì" and "No".
    velmora::DialogLanguage::installItalian();

    const velmora::GameFolders folders = velmora::GameFolders::locate(
        QCoreApplication::applicationDirPath().toStdString(), VELMORA_INSTALLED_DATA,
        std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    velmora::QtFrontEnd frontEnd;
    frontEnd.useFolders(folders.pictures(), folders.career(), folders.shipped());
    // A career that cannot be written would fail at the first click; say so now and stop.
    const std::string problem = folders.prepareCareer();
    if (!problem.empty()) {
        std::cerr << "velmora: " << problem << '\n';
        frontEnd.platform().messageBox(problem, "Velmora");
        return 1;
    }

    velmora::Form1 form(frontEnd.platform());
    frontEnd.show(form.window());
    frontEnd.view()->setSlideRoutes(velmora::tableSlides());
    form.Form_Load();
    return application.exec();
}
