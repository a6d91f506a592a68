#include "judgement/judgement_buttons.h"

#include "judgement/colours.h"
#include "state/design_names.h"

#include <array>
#include <variant>

namespace {

// The control that shows each entry, in the order of Entry: the fields, and
// the BMI's label.
using EntryControl = std::variant<Field, Readout>;
constexpr std::array<EntryControl, kEntryCount> kEntryControls = {
    Field::Text9, Field::Text10, Readout::Label30, Field::Text12, Field::Text1,
    Field::Text2, Field::Text6,  Field::Text7,     Field::Text4,  Field::Text5,
};

QString shownText(const FormControls &form, EntryControl control)
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
        values.set(entry, std::visit([&form](auto control) { return form.value(control); },
                                     kEntryControls[std::size_t(entry)]));
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
    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, colours.*marked.colour);
}

} // namespace

EntrySnapshot entriesOf(const FormControls &form)
{
    EntrySnapshot entries;
    entries.female = form.isSelected(Choice::kFemale);
    for (const Entry entry : kAllEntries)
        entryText(entries, entry) = shownText(form, kEntryControls[std::size_t(entry)]);
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
