#include "app/window/palette.h"

#include <QWidget>

QColor toColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void setColourRole(QWidget &widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, toColor(colour));
    widget.setPalette(palette);
}

namespace {

QPalette buildDesignPalette()
{
    // From the grey alone Qt derives the light and dark shades of the 3-D
    // edges, rings and sunken panels; nothing is taken from the desktop.
    QPalette palette(toColor(kWindowBackground));
    palette.setColor(QPalette::Base, toColor(kOptionRingBackground));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toColor(kBlack));

    // A role that a palette leaves unset is taken from the desktop's theme:
    // mark every role of every group as set.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

} // namespace

QPalette designPalette()
{
    static const QPalette palette = buildDesignPalette();
    return palette;
}
