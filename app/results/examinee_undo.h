#pragma once

#include "app/adapter/field_look.h"
#include "app/results/attention_marks.h"
#include "app/results/judged_results.h"
#include "examinee/examinee.h"
#include "state/design_names.h"

#include <QObject>
#include <QPointer>
#include <QUndoCommand>

#include <array>

class QAbstractButton;
class QLineEdit;
class QUndoStack;
class FormControls;
class QtFormControls;

// Everything of one examinee on the window: entries, choices, results as
// shown and judged, the look of the entries, the marks, and where the focus
// was. An undo puts it all back.
struct ExamineeOnWindow {
    std::array<QString, kFieldCount> texts;
    std::array<bool, kOptionCount> selected{};
    QString results[2]; // Label37, Label15 as shown
    JudgedResults::Snapshot judged;
    AttentionMarks::State marks;
    FieldLook::State look;
    QPointer<QWidget> focus;

    // Nothing entered, the start choices, no results: nothing to lose.
    bool isEmpty() const;
};

// One slip of the hand on Reset must not lose an examinee. Reset runs as a
// command on a one-level undo stack: Ctrl+Z right after it (wherever the
// focus is) brings the examinee back as it was and puts the focus back where
// it was. The next entry, choice or judgement clears the stack; nothing can
// be redone. A Reset of an empty window pushes nothing, so the undo of the
// Reset before it stays: pressing Reset twice loses nothing. Reset itself asks
// nothing, so the desk is not slowed down. Ctrl+Z with nothing to undo says
// so, except in a field, where it is the field's own undo.
class ExamineeUndo final : public QObject {
    Q_OBJECT
public:
    ExamineeUndo(QWidget &window, QtFormControls &form, JudgedResults &results, AttentionMarks &marks);

    bool canUndo() const;
    void undo();
    // An entry, a choice or a judgement: the undo ends, unless the change is
    // the undo's or Reset's own.
    void inputChanged();

    // Reset, in the order it must run: the handler empties the window and
    // selects the start choices, then the results and marks go, then the
    // message about the examinee before.
    void runReset();
    // Runs a command that replaces the examinee (Reset, a paste) and keeps
    // it as the one undo.
    void push(QUndoCommand *command);
    ExamineeOnWindow capture() const;
    void restore(const ExamineeOnWindow &examinee);

signals:
    void notice(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resetClicked();

    QWidget &m_window;
    QtFormControls &m_form;
    JudgedResults &m_results;
    AttentionMarks &m_marks;
    QUndoStack *m_stack = nullptr;
    QAbstractButton *m_reset = nullptr;
    std::array<QLineEdit *, kFieldCount> m_fields{};
    QPointer<QWidget> m_focusBeforeReset;
    bool m_resetFocusedByMouse = false;
    bool m_busy = false; // running Reset or putting an examinee back
};

// Reset as an undoable command: takes the examinee in its constructor and
// resets in redo().
class ResetCommand final : public QUndoCommand {
public:
    explicit ResetCommand(ExamineeUndo &owner) : m_owner(owner), m_before(owner.capture()) {}

    bool losesNothing() const { return m_before.isEmpty(); }

    void redo() override { m_owner.runReset(); }
    void undo() override { m_owner.restore(m_before); }

private:
    ExamineeUndo &m_owner;
    ExamineeOnWindow m_before;
};

// A paste of one examinee as an undoable command: takes the examinee on
// the window in its constructor; redo() does Reset's work and enters the
// pasted one as if typed and clicked.
class PasteCommand final : public QUndoCommand {
public:
    PasteCommand(ExamineeUndo &owner, FormControls &form, const Examinee &pasted)
        : m_owner(owner), m_form(form), m_before(owner.capture()), m_pasted(pasted)
    {
    }

    void redo() override;
    void undo() override { m_owner.restore(m_before); }

private:
    ExamineeUndo &m_owner;
    FormControls &m_form;
    ExamineeOnWindow m_before;
    Examinee m_pasted;
};
