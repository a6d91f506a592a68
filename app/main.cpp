#include "app/form3.h"
#include "app/qt_translation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installQtJapanese(app);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kalvemo.Kalvemo"));
    Form3 window;
    window.show();
    return app.exec();
}
