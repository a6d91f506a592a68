#pragma once

#include "state/colours.h"

#include <QColor>
#include <QPalette>

class QWidget;

QColor toColor(Rgb rgb);

// Sets one colour role of the widget, in the active, inactive and disabled
// groups alike; the other roles stay as the widget inherits them.
void setColourRole(QWidget &widget, QPalette::ColorRole role, Rgb colour);

// The window's palette: grey with black text, the shades of its 3-D edges
// derived from the grey, and every role of every group set, so that nothing
// of the desktop's theme is inherited.
QPalette designPalette();
