#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <span>

class QWidget;

// Where a note (a tooltip, the explanations of F1) goes so that it leaves the
// buttons the desk clicks next in sight and within reach. All rectangles are
// in global screen coordinates.

// The top-left corner for a note of `size` that would stand at `natural`:
// there if the note lies on `screen` there and covers none of `keepClear`;
// else the nearest place, beside or beyond those rectangles, that does; and
// where the screen leaves no such place, `natural` moved onto the screen.
QPoint placeNote(QSize size, QPoint natural, std::span<const QRect> keepClear, QRect screen);

// What a note of this window must not cover: the parts of the two judgement
// buttons and Reset that are on screen.
QList<QRect> buttonsToKeepClear(QWidget &window);
