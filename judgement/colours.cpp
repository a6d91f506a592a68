#include "judgement/colours.h"

#include "state/limits.h"
#include "state/numeric_value.h"

namespace {

Rgb redFrom(double value, double limit) { return value >= limit ? kRed : kBlack; }

Rgb glucoseColour(double value, double guidanceLimit, double syndromeLimit)
{
    if (value >= syndromeLimit)
        return kMagenta;
    return redFrom(value, guidanceLimit);
}

} // namespace

MarkColours markColours(const EntrySnapshot &e)
{
    const double waistLimit = e.female ? kFemaleWaistLimitCm : kMaleWaistLimitCm;
    return {
        .systolic = redFrom(NumericValue(e.systolic), kSystolicLimit),
        .diastolic = redFrom(NumericValue(e.diastolic), kDiastolicLimit),
        .triglycerides = redFrom(NumericValue(e.triglycerides), kTriglyceridesLimit),
        .hdl = NumericValue(e.hdl) >= kHdlLowerLimit ? kBlack : kBlue,
        .fastingGlucose =
            glucoseColour(NumericValue(e.fastingGlucose), kFastingGlucoseGuidanceLimit, kFastingGlucoseSyndromeLimit),
        .hba1c = glucoseColour(NumericValue(e.hba1c), kHba1cGuidanceLimit, kHba1cSyndromeLimit),
        .bmi = redFrom(NumericValue(e.bmi), kBmiLimit),
        .waist = redFrom(NumericValue(e.waist), waistLimit),
    };
}

void setMarkColour(FormControls &form, MarkedControl control, Rgb colour)
{
    std::visit([&](auto which) { form.setTextColour(which, colour); }, control);
}
