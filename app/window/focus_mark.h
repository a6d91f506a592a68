#pragma once

#include <QWidget>

// The mark around the control that has the focus: a ring in the focus colour
// just outside the control's rectangle, on the grey around it, wide enough to
// see from arm's length. The window draws it itself, so it looks the same
// under every style and desktop theme, whose own focus frames (a dotted line,
// a tint of the theme's highlight) are faint or missing.
//
// One mark serves the whole form. It is a child of the form's content, above
// every frame, so a frame does not clip the ring of a control near its edge,
// and it scrolls with the controls. It covers only the focused control and
// its ring, lets every mouse event through and takes no focus; while no
// control of the form has the focus it is hidden and paints nothing.
class FocusMark final : public QWidget {
public:
    explicit FocusMark(QWidget &content);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focused);

    QWidget &m_content;
};
