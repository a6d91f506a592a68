#pragma once

#include <QString>

// The font file that comes with the program for a system that may lack every
// Japanese font, or empty where the system's packages bring one. Written for
// each system in fonts_posix.cpp and fonts_windows.cpp (CMake builds the one).
QString shippedFontFile();
