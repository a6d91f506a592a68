#include "app/results/examinee_commands.h"

#include "app/adapter/qt_form_controls.h"
#include "app/results/pasted_band.h"
#include "examinee/form_entry.h"

namespace {

// The selected option of the group that holds `option`: where Tab enters
// the group.
Option selectedOfGroup(const FormControls &form, Option option)
{
    for (const OptionGroup &group : kOptionGroups) {
        if (group.startChoice == option || group.otherChoice == option)
            return form.isSelected(group.otherChoice) ? group.otherChoice : group.startChoice;
    }
    return option;
}

} // namespace

ReplaceExamineeCommand::ReplaceExamineeCommand(const ExamineeParts &parts, ExamineeOnWindow before)
    : m_parts(parts), m_before(std::move(before))
{
}

void ReplaceExamineeCommand::undo()
{
    m_parts.pastedBand.set(std::nullopt);
    m_before.putBack(m_parts);
}

void ReplaceExamineeCommand::reset(Routes::Handler click)
{
    click(m_parts.form);
    m_parts.results.clear();
    m_parts.marks.clear();
    m_parts.pastedBand.set(std::nullopt);
}

ResetCommand::ResetCommand(const ExamineeParts &parts, ExamineeOnWindow before, Routes::Handler click)
    : ReplaceExamineeCommand(parts, std::move(before)), m_click(click)
{
}

PasteCommand::PasteCommand(const ExamineeParts &parts, ExamineeOnWindow before, const Examinee &pasted)
    : ReplaceExamineeCommand(parts, std::move(before)), m_pasted(pasted)
{
}

void PasteCommand::redo()
{
    reset(Routes::commandRouteOf(Command::Command3)->click);
    enterExaminee(m_parts.form, m_pasted);
    m_parts.form.setFocus(selectedOfGroup(m_parts.form, kFirstFocus));
    m_parts.pastedBand.set(m_pasted.band);
}
