#include "judgement/checks.h"

#include "judgement/result_texts.h"
#include "state/numeric_value.h"

void applyEntryChecks(const EntrySnapshot &e, AgeBand band, ResultCaptions &results)
{
    const bool glucoseMissing = e.fastingGlucose.isEmpty() && e.hba1c.isEmpty();
    const bool lipidsMissing = e.triglycerides.isEmpty() || e.hdl.isEmpty();
    const bool pressureMissing = e.systolic.isEmpty() || e.diastolic.isEmpty();
    if (glucoseMissing || lipidsMissing || pressureMissing) {
        results.syndromeClass = ResultText::kEnterStep2;
        results.guidance = ResultText::kEnterStep2;
    }

    if (e.height.isEmpty() || e.weight.isEmpty() || e.waist.isEmpty() || e.bmi.isEmpty()) {
        results.guidance = ResultText::kEnterStep1;
        results.syndromeClass = ResultText::kEnterStep1;
    }

    if (band == AgeBand::From65To74) {
        const bool waistZero = NumericValue(e.waist) == 0;
        if (waistZero)
            results.syndromeClass = ResultText::kEnterStep1;
        if (NumericValue(e.height) == 0 || NumericValue(e.weight) == 0 || waistZero)
            results.guidance = ResultText::kEnterStep1;
    }
}
