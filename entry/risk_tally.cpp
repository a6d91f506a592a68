#include "entry/risk_tally.h"

namespace {

void reevaluateSmokingRisk(FormControls &form)
{
    IndicatorStore &indicators = form.indicators();
    const auto risk =
        smokingRiskAfterRiskChange(indicators.value(Indicator::Label4), indicators.value(Indicator::Label7),
                                   indicators.value(Indicator::Label10), form.isSelected(Option::Option2));
    if (risk)
        indicators.write(Indicator::Label13, *risk);
}

} // namespace

std::optional<int> smokingRiskAfterRiskChange(double bloodPressureRisk, double glucoseRisk, double lipidRisk,
                                              bool smokerSelected)
{
    if (!smokerSelected)
        return std::nullopt;
    const double otherRisks = bloodPressureRisk + glucoseRisk + lipidRisk;
    if (otherRisks >= 1)
        return 1;
    if (otherRisks == 0)
        return 0;
    return std::nullopt;
}

std::optional<int> smokingRiskOnChoosingSmoker(double bloodPressureRisk, double glucoseRisk, double lipidRisk)
{
    if (lipidRisk + bloodPressureRisk + glucoseRisk < 1)
        return 0;
    if (lipidRisk > 0 || bloodPressureRisk > 0 || glucoseRisk > 0)
        return 1;
    return std::nullopt;
}

void Label4_Change(FormControls &form) { reevaluateSmokingRisk(form); }
void Label7_Change(FormControls &form) { reevaluateSmokingRisk(form); }
void Label10_Change(FormControls &form) { reevaluateSmokingRisk(form); }
