#pragma once

#include <QScrollArea>

// The window's view of the form on a screen smaller than the form (a small
// laptop at 125 % scaling): the window is limited to the screen and the form
// scrolls in it, so every control stays within reach, and the control that
// takes the focus, by Tab, Enter, the mouse or the program, is scrolled into
// view with its focus mark. Neither the area nor its scroll bars take the
// focus, so the tab order is the form's own. A window that fits its screen
// has no scroll area at all.
class FormScrollArea final : public QScrollArea {
public:
    explicit FormScrollArea(QWidget &window);

    // The largest size worth giving the area in `room`: the content's, with
    // a scroll bar beside or below it where the room cannot hold it.
    QSize fullSize(QSize content, QSize room) const;

    // Shows the form's content, built inside viewport(), as its own.
    void setContent(QWidget &content);

private:
    void keepInView(QWidget *focused);
};
