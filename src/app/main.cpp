#include <QApplication>

#include "gui/shell/Controller.h"

// Main: the program's folder holds its settings file; everything else starts
// in the controller.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    // The folder's name keeps its case: another case would name another folder.
    kelvane::Controller controller(QCoreApplication::applicationDirPath().toStdString());
    controller.Main();
    return QApplication::exec();
}
