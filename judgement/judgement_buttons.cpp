#include "judgement/judgement_buttons.h"

#include "judgement/colours.h"
#include "judgement/explanation_text.h"
#include "judgement/judged_record.h"
#include "judgement/record_row.h"

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

ChoiceSnapshot choicesOf(const FormControls &form)
{
    return {
        .bloodPressureDrugs = form.isSelected(Option::Option10),
        .lipidDrugs = form.isSelected(Option::Option8),
        .glucoseDrugs = form.isSelected(Option::Option4),
        .smoker = form.isSelected(Option::Option2),
    };
}

void judge(FormControls &form, AgeBand band)
{
    const EntrySnapshot entries = entriesOf(form);
    const ChoiceSnapshot choices = choicesOf(form);

    const Judgement judged = explainedJudgement(IndicatorSnapshot::of(form.indicators()), entries, choices, band);
    const ResultCaptions &results = judged.results;
    // The explanations go first, so that a screen reader announcing the new
    // result finds its new description.
    form.setExplanation(Readout::Label37, explanationText(judged.syndromeClassWhy));
    form.setExplanation(Readout::Label15, explanationText(judged.guidanceWhy));
    if (results.syndromeClass)
        form.setCaption(Readout::Label37, *results.syndromeClass);
    if (results.guidance)
        form.setCaption(Readout::Label15, *results.guidance);

    const MarkColours colours = markColours(entries);
    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, colours.*marked.colour);

    form.keepJudgedRecord(
        judgedRecordRow(entries, choices, band, form.caption(Readout::Label37), form.caption(Readout::Label15)));
}

} // namespace

void Command1_Click(FormControls &form) { judge(form, AgeBand::From40To64); }
void Command2_Click(FormControls &form) { judge(form, AgeBand::From65To74); }
