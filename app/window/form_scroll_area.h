#pragma once

#include <QScrollArea>

// The window's view of the form on a screen smaller than the form (a small
// laptop at 125 % scaling): the window is limited to the screen and the form
// scrolls in it, so every control stays within reach, and the control that
// takes the focus, by Tab, Enter, the mouse or the program, is scrolled into
// view with its focus mark. Neither the area nor its scroll bars take the
// focus, so the tab order is the form's own. A judgement scrolls its two
// results into view and Reset scrolls back to the top, the focus left where
// the buttons put it. The message line under the results stands in a strip
// below the scrolled part, so that what the window just said is always on
// the screen. A window that fits its screen has no scroll area at all.
class FormScrollArea final : public QScrollArea {
public:
    explicit FormScrollArea(QWidget &window);

    // The largest size worth giving the area in `room`: the content's, with
    // a scroll bar beside or below it where the room cannot hold it.
    QSize fullSize(QSize content, QSize room) const;

    // Shows the form's content, built inside viewport(), as its own, and
    // takes its message line into the strip below.
    void setContent(QWidget &content);

    // Follows the judgement buttons and Reset; connected once their handlers
    // are, so that it scrolls to what they have done.
    void followButtons();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void keepInView(QWidget *focused);
    // Scrolls so that `area`, in the content's coordinates, shows whole with
    // a margin of grey around it.
    void bringIntoView(QRect area);
    void showResults();

    QWidget *m_messageLine = nullptr;
    int m_designLeft = 0; // the line's left edge in the form
};
