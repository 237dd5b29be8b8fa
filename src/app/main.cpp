#include "app/Form1.h"
#include "ui/qt/QtFrontEnd.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    velmora::QtFrontEnd frontEnd;
    velmora::Form1 form(frontEnd.platform());
    form.Form_Load();
    frontEnd.show(form.window());
    return application.exec();
}
