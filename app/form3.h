#pragma once

// Kalvemo's code in layers, each folder including only those below it
// (scripts/check-layers):
//   app/           this window, Form3, which puts the three rooms together:
//     results/     the feedback on the results: JudgedResults and what draws
//                  from it (labels, held button, copy, F1 note), the marks,
//                  the message line, the undo of Reset and of a paste
//     adapter/     QtFormControls, the one place where events re-enter the
//                  handlers, and FieldLook, the one owner of an entry's look
//     window/      the window built from the design table
//   form/          the handlers wired without a window: routes, Reset, MemoryForm
//   words/         the desk's words: explanations, desk names, the copied row
//   judgement/     the checkup's rules: decision, checks, colours, the buttons
//   entry/         what typing and choosing do: cleaning, BMI, flags, smoking
//   state/         the indicators, NumericValue, limits, FormControls
//
// One keystroke, "5" into the waist field Text12: QLineEdit::textChanged
// reaches QtFormControls, which runs Text12_Change (entry/), which writes
// the waist/BMI class Label29 into the IndicatorStore and cleans the text;
// then QtFormControls emits inputChanged, and Form3::inputChanged lets the
// marks follow the value, the results go out of date or come back, and the
// undo end.
// A click on Command1 runs Command1_Click (judgement/): decide() reads the
// indicators and returns the rules that fired with their findings, the
// checks return the entries missing, and the judgement carries what each
// entry read as. QtFormControls emits judged; Form3::judged hands it to
// JudgedResults, which puts it into words (words/) and signals changed, so
// the labels' tooltips, the held button and the copy draw from it; then the
// marks follow. Back in Command1_Click the result labels Label37 and Label15
// show the captions of those rules, or a prompt, and the values are coloured
// through FieldLook.
// A click on Reset (Command3) reaches QtFormControls through the routing
// table like the other buttons, which hands its handler, Command3_Click, to
// ExamineeUndo; that pushes a ResetCommand on its one-level QUndoStack,
// whose redo() runs the handler and clears the results and marks; a paste
// pushes a PasteCommand the same way.

#include <QWidget>

#include <memory>

class AttentionMarks;
class ExamineeUndo;
class FormControls;
class FormScrollArea;
class JudgedResults;
class MessageLine;
class PastedBand;
class QTimer;
class QtFormControls;
class RecordCopy;
struct Judgement;

// The checkup window: built from the design table, with its controls wired
// to the checkup handlers. One window serves one examinee at a time.
//
// The design's frames and controls stand in the form's content. Where the
// screen holds the whole form the window shows it at its fixed design size;
// where it does not, the window is as large as the screen allows and shows
// the content through a scroll area (form_scroll_area.h).
class Form3 final : public QWidget {
    Q_OBJECT
public:
    explicit Form3(QWidget *parent = nullptr);
    ~Form3() override;

    // The window as the handlers see it (tests and benchmarks use it too).
    FormControls &controls();
    // The line under the results that says what the window just did.
    MessageLine &messageLine();
    // The results of the latest judgement, as the window shows them.
    JudgedResults &results();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // What follows each entry or choice, and each judgement, in its order.
    void inputChanged();
    void judged(const Judgement &judgement);

    // First tick after start-up: the caret goes to the height field, once.
    void TmrDelay_Timer();

    // The fixed design size where the screen holds it; else as much of it as
    // the screen holds, with the scroll area.
    void sizeForScreen(QSize design);

    FormScrollArea *m_scrollArea = nullptr;
    QtFormControls *m_controls = nullptr;
    JudgedResults *m_results = nullptr;
    AttentionMarks *m_marks = nullptr;
    ExamineeUndo *m_undo = nullptr;
    std::unique_ptr<PastedBand> m_pastedBand;
    MessageLine *m_messageLine = nullptr;
    QTimer *m_tmrDelay = nullptr;
};
