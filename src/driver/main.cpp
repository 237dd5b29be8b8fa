#include "app/Form1.h"
#include "driver/DriverSession.h"
#include "ui/ScriptedPlatform.h"

#include <QApplication>

#include <filesystem>
#include <iostream>

// velmora-driver APP_FOLDER: the game on a virtual clock, played from commands on standard input.
// Screenshots are rendered offscreen unless a display platform is asked for.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-driver APP_FOLDER  (commands on standard input)\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::error_code ignored;
    std::filesystem::path folder = std::filesystem::absolute(argv[1], ignored);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    velmora::ScriptedPlatform platform(folder.empty() ? std::string(argv[1]) : folder.string());
    // New careers beside the others start from the database the build ships, as in the game.
    const auto shipped = std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ".." /
                         "share" / "velmora.mdb";
    if (std::filesystem::is_regular_file(shipped, ignored)) platform.setShippedDatabase(shipped.lexically_normal());
    velmora::Form1 form(platform);
    velmora::DriverSession session(form, platform);
    session.run(std::cin, std::cout);
    return 0;
}
