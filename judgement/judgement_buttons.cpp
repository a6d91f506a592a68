#include "judgement/judgement_buttons.h"

#include "judgement/colours.h"
#include "state/design_names.h"

namespace {

void judgeAndShow(FormControls &form, AgeBand band, const JudgementSeen &seen)
{
    const Judgement judged = judge(IndicatorSnapshot::of(form.indicators()), entriesOf(form), choicesOf(form), band);
    if (seen)
        seen(judged);
    form.setCaption(Readout::Label37, judged.syndromeClassCaption());
    form.setCaption(Readout::Label15, judged.guidanceCaption());

    const MarkColours colours = markColours(judged.entries, judged.values);
    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, colours.*marked.colour);
}

} // namespace

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
        .female = form.isSelected(Choice::kFemale),
    };
}

ChoiceSnapshot choicesOf(const FormControls &form)
{
    return {
        .bloodPressureDrugs = form.isSelected(Choice::kBloodPressureDrugs),
        .lipidDrugs = form.isSelected(Choice::kLipidDrugs),
        .glucoseDrugs = form.isSelected(Choice::kGlucoseDrugs),
        .smoker = form.isSelected(Choice::kSmoker),
    };
}

void Command1_Click(FormControls &form, const JudgementSeen &seen) { judgeAndShow(form, AgeBand::From40To64, seen); }
void Command2_Click(FormControls &form, const JudgementSeen &seen) { judgeAndShow(form, AgeBand::From65To74, seen); }
