#include "app/window/title_bar.h"

#include <QWidget>

void offerNoMaximise(QWidget &window)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}
