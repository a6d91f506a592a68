#pragma once

#include <QObject>

class QWidget;

// Keeps the window's tooltips out of the desk's way. Every note that shows
// as a tooltip window (Qt's tooltips, the explanations of F1) lets clicks
// through to whatever lies under it: a click on Reset under an explanation
// resets, where a tooltip would otherwise take the click only to close (on
// Windows only the F1 note, which is made so from the start). And
// Qt's tooltips, which open under the mouse, are moved off the judgement
// buttons and Reset where the screen has room (note_placement.h).
class TooltipGuard final : public QObject {
    Q_OBJECT
public:
    explicit TooltipGuard(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
};
