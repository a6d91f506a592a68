#include "app/form3.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form3 window;
    window.show();
    return app.exec();
}
