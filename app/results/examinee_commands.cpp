#include "app/results/examinee_commands.h"

#include "app/adapter/qt_form_controls.h"
#include "examinee/pasted_row.h"
#include "form/event_routes.h"

namespace {

Routes::Handler resetHandler()
{
    for (const Routes::CommandRoute &route : Routes::commands()) {
        if (route.command == Command::Command3)
            return route.click;
    }
    Q_UNREACHABLE();
}

} // namespace

ReplaceExamineeCommand::ReplaceExamineeCommand(const ExamineeParts &parts, ExamineeOnWindow before)
    : m_parts(parts), m_before(std::move(before))
{
}

void ReplaceExamineeCommand::undo() { m_before.putBack(m_parts); }

void ReplaceExamineeCommand::reset()
{
    resetHandler()(m_parts.form);
    m_parts.results.clear();
    m_parts.marks.reset();
}

PasteCommand::PasteCommand(const ExamineeParts &parts, ExamineeOnWindow before, const PastedExaminee &pasted)
    : ReplaceExamineeCommand(parts, std::move(before)), m_pasted(pasted)
{
}

void PasteCommand::redo()
{
    reset();
    enterPasted(m_parts.form, m_pasted);
}
