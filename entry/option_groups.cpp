#include "entry/option_groups.h"

#include "entry/body_measurements.h"
#include "entry/risk_tally.h"
#include "state/criteria.h"

namespace {

// The drug flag of the row, then its criterion count from the value flag as
// it stands and the flag just written.
void chooseDrugTreatment(FormControls &form, Criterion criterion, bool treated)
{
    const CriterionIndicators row = indicatorsOf(criterion);
    IndicatorStore &indicators = form.indicators();
    indicators.write(row.drugFlag, treated ? 1 : 0);
    indicators.write(row.count, indicators.value(row.valueFlag) + indicators.value(row.drugFlag));
}

} // namespace

void Option1_Click(FormControls &form) { form.indicators().write(Indicator::Label13, 0); }

void Option2_Click(FormControls &form)
{
    IndicatorStore &indicators = form.indicators();
    const auto risk = smokingRiskOnChoosingSmoker(
        indicators.value(Indicator::Label4), indicators.value(Indicator::Label7), indicators.value(Indicator::Label10));
    if (risk)
        indicators.write(Indicator::Label13, *risk);
}

void Option3_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Glucose, false); }
void Option4_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Glucose, true); }
void Option5_Click(FormControls &form) { writeWaistBmiClass(form, kMaleWaistLimitCm); }
void Option6_Click(FormControls &form) { writeWaistBmiClass(form, kFemaleWaistLimitCm); }
void Option7_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Lipids, false); }
void Option8_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Lipids, true); }
void Option9_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::BloodPressure, false); }
void Option10_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::BloodPressure, true); }
