#pragma once

#include "app/results/examinee_on_window.h"
#include "form/event_routes.h"

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QUndoStack;
class ReplaceExamineeCommand;

// One slip of the hand on Reset, or a paste over the wrong examinee, must
// not lose an examinee. Both run as commands on a one-level undo stack:
// Ctrl+Z right after either (wherever the focus is, a field included)
// brings the examinee back as it was and puts the focus back where it was.
// The next entry, choice or judgement clears the stack; nothing can be
// redone. A Reset of an empty window pushes nothing, so the undo of the
// Reset before it stays: pressing Reset twice loses nothing. Reset itself
// asks nothing, so the desk is not slowed down. Ctrl+Z with nothing to undo
// says so, except in a field, where it is the field's own undo.
//
// Ctrl+Z reaches the stack through one window shortcut. A line edit claims
// Ctrl+Z for its own undo even with nothing to undo, which would keep the
// shortcut from firing in a field; while there is something on the stack,
// the one filter of this window declines that claim. The same filter
// follows where the focus was before a click on Reset took it.
class ExamineeUndo final : public QObject {
    Q_OBJECT
public:
    ExamineeUndo(QWidget &window, const ExamineeParts &parts);

    // A command button was clicked (the mouse, Space on it, or its key).
    // Its handler `click`, Reset's, the only one, runs as the one undo, or at
    // once where the window holds nothing to lose.
    void commandClicked(Routes::Handler click);
    // Runs a command that replaces the examinee and keeps it as the one undo.
    void push(ReplaceExamineeCommand *command);
    // The examinee on the window now, for a command to keep.
    ExamineeOnWindow examinee() const;

    bool canUndo() const;
    void undo();
    // An entry, a choice or a judgement: the undo ends, unless the change is
    // a command's own or its undo's.
    void inputChanged();

signals:
    void notice(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isOnThisWindow(const QObject *watched) const;

    QWidget &m_window;
    ExamineeParts m_parts;
    QUndoStack *m_stack = nullptr;
    QAbstractButton *m_reset = nullptr;
    QPointer<QWidget> m_focusLeft;        // the widget that just lost the focus
    QPointer<QWidget> m_focusBeforeReset; // where the focus was when Reset took it
    bool m_busy = false;                  // a command or its undo running
};
