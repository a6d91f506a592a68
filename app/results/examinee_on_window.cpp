#include "app/results/examinee_on_window.h"

#include "app/adapter/qt_form_controls.h"

ExamineeOnWindow ExamineeOnWindow::of(const ExamineeParts &parts, QWidget *focus)
{
    ExamineeOnWindow e;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        e.texts[i] = parts.form.text(Field(i));
    for (std::size_t i = 0; i < kOptionCount; ++i)
        e.selected[i] = parts.form.isSelected(Option(i));
    e.judged = parts.results.state();
    e.marks = parts.marks.state();
    e.look = parts.form.look().state();
    e.focus = focus;
    return e;
}

bool ExamineeOnWindow::isEmpty() const
{
    for (const QString &text : texts) {
        if (!text.isEmpty())
            return false;
    }
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (selected[i] != isStartChoice(Option(i)))
            return false;
    }
    return !judged.judgement;
}

void ExamineeOnWindow::putBack(const ExamineeParts &parts) const
{
    QtFormControls &form = parts.form;
    // The look comes back whole at the end, whatever the focus does on the way.
    form.look().holdForRestore();
    for (std::size_t i = 0; i < kFieldCount; ++i)
        form.setText(Field(i), texts[i]);
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (selected[i])
            form.select(Option(i));
    }
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    // The result labels show what the judgement's button showed: its
    // captions, which no entry or choice changes after it.
    form.setCaption(Readout::Label37, judged.judgement ? judged.judgement->syndromeClassCaption() : QString());
    form.setCaption(Readout::Label15, judged.judgement ? judged.judgement->guidanceCaption() : QString());
    parts.results.restore(judged);
    parts.marks.restore(marks);
    form.look().restore(look);
}
