#include "judgement/judgement_buttons.h"

#include "judgement/checks.h"
#include "judgement/colours.h"
#include "judgement/decision.h"

namespace {

EntrySnapshot entriesOf(const FormControls &form)
{
    return {
        .height = form.text(Field::Text9),
        .weight = form.text(Field::Text10),
        .waist = form.text(Field::Text12),
        .bmi = form.caption(Readout::Label30),
        .systolic = form.text(Field::Text1),
        .diastolic = form.text(Field::Text2),
        .triglycerides = form.text(Field::Text6),
        .hdl = form.text(Field::Text7),
        .fastingGlucose = form.text(Field::Text4),
        .hba1c = form.text(Field::Text5),
        .female = form.isSelected(Option::Option6),
    };
}

void judge(FormControls &form, AgeBand band)
{
    const EntrySnapshot entries = entriesOf(form);

    ResultCaptions results = decide(IndicatorSnapshot::of(form.indicators()), band);
    applyEntryChecks(entries, band, results);
    if (results.syndromeClass)
        form.setCaption(Readout::Label37, *results.syndromeClass);
    if (results.guidance)
        form.setCaption(Readout::Label15, *results.guidance);

    const MarkColours colours = markColours(entries);
    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, colours.*marked.colour);
}

} // namespace

void Command1_Click(FormControls &form) { judge(form, AgeBand::From40To64); }
void Command2_Click(FormControls &form) { judge(form, AgeBand::From65To74); }
