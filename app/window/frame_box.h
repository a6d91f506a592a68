#pragma once

#include <QGroupBox>

class QPainter;

// A frame of the checkup form: a flat grey box with a one-pixel line, its
// caption (if any) set into the top line a little in from the left, as on
// the paper form. It paints itself with a few painter calls, so it looks the
// same under every style and desktop theme and needs no style sheet, whose
// per-widget rule matching would otherwise run for every control inside.
class FrameBox final : public QGroupBox {
public:
    FrameBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// What a FrameBox paints, over `rect` of `widget` in the painter's font and
// with the widget's style and palette: the benchmark's same-content window
// draws its frames with it, without a widget for each.
void paintFrame(QPainter &painter, const QRect &rect, const QString &caption, const QWidget &widget);
