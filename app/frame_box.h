#pragma once

#include <QGroupBox>

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
