#include "examinee/form_entry.h"

#include "form/event_routes.h"
#include "form/memory_form.h"

namespace {

void choose(FormControls &form, bool yes, Option yesOption, Option noOption)
{
    form.select(yes ? yesOption : noOption);
}

decltype(Routes::JudgementRoute::click) judgementButton(AgeBand band)
{
    const Command command = band == AgeBand::From40To64 ? Command::Command1 : Command::Command2;
    for (const Routes::JudgementRoute &route : Routes::judgementButtons()) {
        if (route.command == command)
            return route.click;
    }
    qFatal("no judgement button for the band");
}

} // namespace

void judgeExaminee(Examinee examinee, const JudgementSeen &seen)
{
    MemoryForm form;
    choose(form, examinee.female, Choice::kFemale, Choice::kMale);
    choose(form, examinee.choices.bloodPressureDrugs, Choice::kBloodPressureDrugs, Choice::kNoBloodPressureDrugs);
    choose(form, examinee.choices.lipidDrugs, Choice::kLipidDrugs, Choice::kNoLipidDrugs);
    choose(form, examinee.choices.glucoseDrugs, Choice::kGlucoseDrugs, Choice::kNoGlucoseDrugs);
    choose(form, examinee.choices.smoker, Choice::kSmoker, Choice::kNonSmoker);
    // In the order of the Enter chain, as the values are typed.
    for (std::size_t field = 0; field < kFieldCount; ++field)
        form.setText(Field(field), std::move(examinee.texts[field]));
    judgementButton(examinee.band)(form, seen);
}

Judgement judgeExaminee(Examinee examinee)
{
    std::optional<Judgement> seen;
    judgeExaminee(std::move(examinee), [&seen](const Judgement &judged) { seen = judged; });
    return *seen;
}
