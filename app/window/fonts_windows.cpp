#include "app/window/fonts_system.h"

#include <QCoreApplication>

// The Windows build ships IPAPGothic in fonts/ beside the program.
QString shippedFontFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/ipagp.ttf"); }
