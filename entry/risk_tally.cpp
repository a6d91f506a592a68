#include "entry/risk_tally.h"

#include "state/criteria.h"
#include "state/design_names.h"

namespace {

double riskOf(const IndicatorStore &indicators, Criterion criterion)
{
    return indicators.value(indicatorsOf(criterion).guidanceRisk);
}

void reevaluateSmokingRisk(FormControls &form)
{
    IndicatorStore &indicators = form.indicators();
    const auto risk =
        smokingRiskAfterRiskChange(riskOf(indicators, Criterion::BloodPressure), riskOf(indicators, Criterion::Glucose),
                                   riskOf(indicators, Criterion::Lipids), form.isSelected(Choice::kSmoker));
    if (risk)
        indicators.write(kSmokingRisk, *risk);
}

} // namespace

// The risks are flags of 0 or 1, so their sum tells whether any is set.
std::optional<int> smokingRiskAfterRiskChange(double bloodPressureRisk, double glucoseRisk, double lipidRisk,
                                              bool smokerSelected)
{
    if (!smokerSelected)
        return std::nullopt;
    return smokingRiskOnChoosingSmoker(bloodPressureRisk, glucoseRisk, lipidRisk);
}

int smokingRiskOnChoosingSmoker(double bloodPressureRisk, double glucoseRisk, double lipidRisk)
{
    return bloodPressureRisk + glucoseRisk + lipidRisk >= 1 ? 1 : 0;
}

void Label4_Change(FormControls &form) { reevaluateSmokingRisk(form); }
void Label7_Change(FormControls &form) { reevaluateSmokingRisk(form); }
void Label10_Change(FormControls &form) { reevaluateSmokingRisk(form); }
