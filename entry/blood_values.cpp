#include "entry/blood_values.h"

#include "entry/numeric_entry.h"
#include "state/criteria.h"

namespace {

using PairRule = bool (*)(double, double);

struct BloodPair {
    Criterion criterion;
    Field first;
    Field second;
    PairRule guidanceRule;
    PairRule syndromeRule;
};

constexpr BloodPair kBloodPressure{Criterion::BloodPressure, Field::Text1, Field::Text2, bloodPressureRisk,
                                   bloodPressureRisk};
constexpr BloodPair kLipids{Criterion::Lipids, Field::Text6, Field::Text7, lipidRisk, lipidRisk};
constexpr BloodPair kGlucose{Criterion::Glucose, Field::Text4, Field::Text5, glucoseGuidanceRisk, glucoseSyndromeFlag};

bool holds(const FormControls &form, const BloodPair &pair, PairRule rule)
{
    return rule(form.value(pair.first), form.value(pair.second));
}

// Writes the pair's guidance risk (which re-evaluates smoking before this
// continues), then its value flag from fresh reads of both fields, then the
// criterion count from the value flag and the row's drug flag as they stand.
void pairChanged(FormControls &form, const BloodPair &pair, Field ownField)
{
    const CriterionIndicators row = indicatorsOf(pair.criterion);
    IndicatorStore &indicators = form.indicators();
    indicators.write(row.guidanceRisk, holds(form, pair, pair.guidanceRule) ? 1 : 0);
    indicators.write(row.valueFlag, holds(form, pair, pair.syndromeRule) ? 1 : 0);
    indicators.write(row.count, int(indicators.value(row.valueFlag) + indicators.value(row.drugFlag)));
    CleanNumericText(form, ownField);
}

} // namespace

bool bloodPressureRisk(double systolic, double diastolic)
{
    return systolic >= kSystolicLimit || diastolic >= kDiastolicLimit;
}

bool lipidRisk(double triglycerides, double hdl)
{
    return triglycerides >= kTriglyceridesLimit || (hdl < kHdlLowerLimit && hdl != 0);
}

bool glucoseGuidanceRisk(double fastingGlucose, double hba1c)
{
    return fastingGlucose >= kFastingGlucoseGuidanceLimit || hba1c >= kHba1cGuidanceLimit;
}

bool glucoseSyndromeFlag(double fastingGlucose, double hba1c)
{
    return fastingGlucose >= kFastingGlucoseSyndromeLimit || hba1c >= kHba1cSyndromeLimit;
}

void Text1_Change(FormControls &form) { pairChanged(form, kBloodPressure, Field::Text1); }
void Text2_Change(FormControls &form) { pairChanged(form, kBloodPressure, Field::Text2); }
void Text6_Change(FormControls &form) { pairChanged(form, kLipids, Field::Text6); }
void Text7_Change(FormControls &form) { pairChanged(form, kLipids, Field::Text7); }
void Text4_Change(FormControls &form) { pairChanged(form, kGlucose, Field::Text4); }
void Text5_Change(FormControls &form) { pairChanged(form, kGlucose, Field::Text5); }
