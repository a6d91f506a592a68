#include "judgement/colours.h"

#include "state/limits.h"

namespace {

Rgb redFrom(double value, double limit) { return value >= limit ? kRed : kBlack; }

Rgb glucoseColour(double value, double guidanceLimit, double syndromeLimit)
{
    if (value >= syndromeLimit)
        return kMagenta;
    return redFrom(value, guidanceLimit);
}

} // namespace

MarkColours markColours(const EntrySnapshot &entries, const EntryValues &v)
{
    const double waistLimit = entries.female ? kFemaleWaistLimitCm : kMaleWaistLimitCm;
    return {
        .systolic = redFrom(v[Entry::Systolic], kSystolicLimit),
        .diastolic = redFrom(v[Entry::Diastolic], kDiastolicLimit),
        .triglycerides = redFrom(v[Entry::Triglycerides], kTriglyceridesLimit),
        .hdl = v[Entry::Hdl] >= kHdlLowerLimit ? kBlack : kBlue,
        .fastingGlucose =
            glucoseColour(v[Entry::FastingGlucose], kFastingGlucoseGuidanceLimit, kFastingGlucoseSyndromeLimit),
        .hba1c = glucoseColour(v[Entry::Hba1c], kHba1cGuidanceLimit, kHba1cSyndromeLimit),
        .bmi = redFrom(v[Entry::Bmi], kBmiLimit),
        .waist = redFrom(v[Entry::Waist], waistLimit),
    };
}

void setMarkColour(FormControls &form, MarkedControl control, Rgb colour)
{
    std::visit([&](auto which) { form.setTextColour(which, colour); }, control);
}
