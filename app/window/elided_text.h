#pragma once

#include <QPalette>
#include <QString>

class QPainter;
class QRect;
class QWidget;

// What the eliding field and the eliding label share: a text wider than its
// room is cut at its end, so that the digits that remain are the number's
// leading ones and the "…" says that more follow.

// The text as it is drawn in `room` in the widget's font: whole where it
// fits, else cut short with "…".
QString elidedText(const QWidget &widget, const QString &text, const QRect &room);

// Draws the cut text in `room` as the widget sets its own text: in its
// alignment (mirrored for a right-to-left layout), in the colour `role` of
// `palette`, greyed where the widget is disabled.
void paintElidedText(QPainter &painter, const QWidget &widget, const QRect &room, Qt::Alignment alignment,
                     const QPalette &palette, QPalette::ColorRole role, const QString &drawn);
