#include <QApplication>

#include "app/ManagerApp.h"
#include "ui/qt/QtBackend.h"

// The manager takes no command line options and keeps no files: everything it shows is read
// from the appliance.
int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    // Desktops match the windows to the installed desktop entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora42-manager"));
    CQtBackend backend;
    CManagerApp app(backend);
    return app.InitInstance();
}
