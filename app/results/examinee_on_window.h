#pragma once

#include "app/adapter/field_look.h"
#include "app/results/attention_marks.h"
#include "app/results/judged_results.h"
#include "state/design_names.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>

class PastedBand;
class QtFormControls;

// The parts of the window that hold one examinee: what a command that
// replaces the examinee (Reset, a paste) works on, and what its undo puts
// back.
struct ExamineeParts {
    QtFormControls &form;
    JudgedResults &results;
    AttentionMarks &marks;
    PastedBand &pastedBand;
};

// Everything of one examinee on the window: entries, choices, the judged
// results, the look of the entries, the marks, and where the focus was.
struct ExamineeOnWindow {
    std::array<QString, kFieldCount> texts;
    std::array<bool, kOptionCount> selected{};
    JudgedResults::State judged;
    AttentionMarks::State marks;
    FieldLook::State look;
    QPointer<QWidget> focus;

    // The examinee as it stands, with the focus given (the focus as it was
    // before a click on Reset took it).
    static ExamineeOnWindow of(const ExamineeParts &parts, QWidget *focus);

    // Nothing entered, the start choices, nothing judged: nothing to lose.
    bool isEmpty() const;

    // Puts the examinee back: the entries and choices through their
    // handlers, which bring the indicators and the BMI back with them; the
    // focus; the judgement, whose captions the result labels show again;
    // the marks and the look as they were.
    void putBack(const ExamineeParts &parts) const;
};
