#include "examinee/form_entry.h"

#include "form/event_routes.h"
#include "form/memory_form.h"

namespace {

void choose(FormControls &form, const std::optional<bool> &yes, Option yesOption, Option noOption)
{
    if (yes)
        form.select(*yes ? yesOption : noOption);
}

} // namespace

void enterExaminee(FormControls &form, const Examinee &examinee)
{
    choose(form, examinee.female, Choice::kFemale, Choice::kMale);
    choose(form, examinee.bloodPressureDrugs, Choice::kBloodPressureDrugs, Choice::kNoBloodPressureDrugs);
    choose(form, examinee.lipidDrugs, Choice::kLipidDrugs, Choice::kNoLipidDrugs);
    choose(form, examinee.glucoseDrugs, Choice::kGlucoseDrugs, Choice::kNoGlucoseDrugs);
    choose(form, examinee.smoker, Choice::kSmoker, Choice::kNonSmoker);
    for (std::size_t field = 0; field < kFieldCount; ++field)
        form.setText(Field(field), examinee.texts[field]);
}

void judgeExaminee(const Examinee &examinee, const JudgementSeen &seen)
{
    Q_ASSERT(examinee.band);
    MemoryForm form;
    enterExaminee(form, examinee);
    const Command button = *examinee.band == AgeBand::From40To64 ? Command::Command1 : Command::Command2;
    Routes::judgementRouteOf(button)->click(form, seen);
}
