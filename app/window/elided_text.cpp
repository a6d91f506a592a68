#include "app/window/elided_text.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

QString elidedText(const QWidget &widget, const QString &text, const QRect &room)
{
    return widget.fontMetrics().elidedText(text, Qt::ElideRight, room.width());
}

void paintElidedText(QPainter &painter, const QWidget &widget, const QRect &room, Qt::Alignment alignment,
                     const QPalette &palette, QPalette::ColorRole role, const QString &drawn)
{
    const Qt::Alignment align = QStyle::visualAlignment(widget.layoutDirection(), alignment);
    widget.style()->drawItemText(&painter, room, int(align), palette, widget.isEnabled(), drawn, role);
}
