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
    indicators.write(row.count, int(indicators.value(row.valueFlag) + indicators.value(row.drugFlag)));
}

} // namespace

void Option1_Click(FormControls &form) { form.indicators().write(kSmokingRisk, 0); }

void Option2_Click(FormControls &form)
{
    IndicatorStore &indicators = form.indicators();
    indicators.write(kSmokingRisk,
                     smokingRiskOnChoosingSmoker(indicators.value(indicatorsOf(Criterion::BloodPressure).guidanceRisk),
                                                 indicators.value(indicatorsOf(Criterion::Glucose).guidanceRisk),
                                                 indicators.value(indicatorsOf(Criterion::Lipids).guidanceRisk)));
}

void Option3_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Glucose, false); }
void Option4_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Glucose, true); }
void Option5_Click(FormControls &form) { writeWaistBmiClass(form, false); }
void Option6_Click(FormControls &form) { writeWaistBmiClass(form, true); }
void Option7_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Lipids, false); }
void Option8_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::Lipids, true); }
void Option9_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::BloodPressure, false); }
void Option10_Click(FormControls &form) { chooseDrugTreatment(form, Criterion::BloodPressure, true); }
