#include "judgement/judgement_buttons.h"

#include "judgement/colours.h"
#include "state/design_names.h"

#include <array>
#include <variant>

namespace {

QString shownText(const FormControls &form, const EntryControl &control)
{
    if (const Field *field = std::get_if<Field>(&control))
        return form.text(*field);
    return form.caption(std::get<Readout>(control));
}

// What each entry reads as, as the form holds it: no text is read again.
EntryValues valuesOf(const FormControls &form)
{
    EntryValues values;
    for (const Entry entry : kAllEntries)
        values.set(entry, std::visit([&form](auto control) { return form.value(control); }, measured(entry).control));
    return values;
}

void judgeAndShow(FormControls &form, AgeBand band, const JudgementSeen &seen)
{
    const Judgement judged =
        judge(IndicatorSnapshot::of(form.indicators()), entriesOf(form), valuesOf(form), choicesOf(form), band);
    if (seen)
        seen(judged);
    form.setCaption(Readout::Label37, judged.syndromeClassCaption());
    form.setCaption(Readout::Label15, judged.guidanceCaption());

    const MarkColours colours = markColours(judged.entries, judged.values);
    for (const Entry entry : kMarkedEntries)
        setMarkColour(form, entry, colours[std::size_t(entry)]);
}

} // namespace

EntrySnapshot entriesOf(const FormControls &form)
{
    EntrySnapshot entries;
    entries.female = form.isSelected(Choice::kFemale);
    for (const Entry entry : kAllEntries)
        entryText(entries, entry) = shownText(form, measured(entry).control);
    return entries;
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
