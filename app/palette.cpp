#include "app/palette.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setColourRole(QWidget &widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, toColor(colour));
    widget.setPalette(palette);
}

namespace {

QPalette buildDesignPalette()
{
    // The style's own light palette gives the shades of edges and rings;
    // unlike the application's palette, no desktop theme changes it.
    QPalette palette = QApplication::style()->standardPalette();
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, toColor(kWindowBackground));
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
