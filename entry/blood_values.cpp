#include "entry/blood_values.h"

#include "entry/numeric_entry.h"
#include "state/measured_items.h"

namespace {

using PairRule = bool (*)(double, double);

struct BloodPair {
    Criterion criterion;
    PairRule guidanceRule;
    PairRule syndromeRule;
};

constexpr BloodPair kBloodPressure{Criterion::BloodPressure, bloodPressureRisk, bloodPressureRisk};
constexpr BloodPair kLipids{Criterion::Lipids, lipidRisk, lipidRisk};
constexpr BloodPair kGlucose{Criterion::Glucose, glucoseGuidanceRisk, glucoseSyndromeFlag};

bool holds(const FormControls &form, const BloodPair &pair, PairRule rule)
{
    const auto [first, second] = pairOf(pair.criterion);
    return rule(form.value(*fieldOf(first)), form.value(*fieldOf(second)));
}

bool reaches(Entry entry, double value, LimitKind kind = LimitKind::GuidanceRisk)
{
    return reachesLimit(entry, value, kind);
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
    return reaches(Entry::Systolic, systolic) || reaches(Entry::Diastolic, diastolic);
}

bool lipidRisk(double triglycerides, double hdl)
{
    return reaches(Entry::Triglycerides, triglycerides) || (reaches(Entry::Hdl, hdl) && hdl != 0);
}

bool glucoseGuidanceRisk(double fastingGlucose, double hba1c)
{
    return reaches(Entry::FastingGlucose, fastingGlucose) || reaches(Entry::Hba1c, hba1c);
}

bool glucoseSyndromeFlag(double fastingGlucose, double hba1c)
{
    constexpr LimitKind kind = LimitKind::SyndromeCriterion;
    return reaches(Entry::FastingGlucose, fastingGlucose, kind) || reaches(Entry::Hba1c, hba1c, kind);
}

void Text1_Change(FormControls &form) { pairChanged(form, kBloodPressure, Field::Text1); }
void Text2_Change(FormControls &form) { pairChanged(form, kBloodPressure, Field::Text2); }
void Text6_Change(FormControls &form) { pairChanged(form, kLipids, Field::Text6); }
void Text7_Change(FormControls &form) { pairChanged(form, kLipids, Field::Text7); }
void Text4_Change(FormControls &form) { pairChanged(form, kGlucose, Field::Text4); }
void Text5_Change(FormControls &form) { pairChanged(form, kGlucose, Field::Text5); }
