#pragma once

#include "app/results/examinee_on_window.h"
#include "examinee/examinee.h"
#include "form/event_routes.h"

#include <QUndoCommand>

// A command that replaces the examinee on the window. It keeps the examinee
// it replaces, captured before it runs; undo() puts that examinee back
// through the handlers. Each command does its own work on the parts it was
// given and knows nothing of the stack that keeps it.
class ReplaceExamineeCommand : public QUndoCommand {
public:
    // The examinee before is `before`, taken just before the command runs.
    ReplaceExamineeCommand(const ExamineeParts &parts, ExamineeOnWindow before);

    // The examinee before it was empty: nothing would be lost.
    bool losesNothing() const { return m_before.isEmpty(); }

    void undo() override;

protected:
    // Reset's work: `click`, Reset's handler, empties the window, selects the
    // start choices and puts the focus on the sex group; then the results and
    // the marks go, and the band a row named.
    void reset(Routes::Handler click);

    ExamineeParts m_parts;

private:
    ExamineeOnWindow m_before;
};

// Reset, for the next examinee, with the handler routed to Reset's click.
class ResetCommand final : public ReplaceExamineeCommand {
public:
    ResetCommand(const ExamineeParts &parts, ExamineeOnWindow before, Routes::Handler click);

    void redo() override { reset(m_click); }

private:
    Routes::Handler m_click;
};

// The paste of one examinee: Reset's work, then each choice the row names
// through its click handler and each value through its field's change
// handler, as if clicked and typed. The focus goes to the sex the row
// selected, where Tab would reach the group, so that Space cannot change it
// by accident. The band the row named is kept for the judgement.
class PasteCommand final : public ReplaceExamineeCommand {
public:
    PasteCommand(const ExamineeParts &parts, ExamineeOnWindow before, const Examinee &pasted);

    void redo() override;

private:
    Examinee m_pasted;
};
