#include "app/Form1.h"
#include "ui/qt/QtFrontEnd.h"

#include <QApplication>

// The game: the window opens on the title menu and the load runs in front of the player, so a
// failure to open the career is shown over the window.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    velmora::QtFrontEnd frontEnd;
    velmora::Form1 form(frontEnd.platform());
    frontEnd.show(form.window());
    form.Form_Load();
    return application.exec();
}
