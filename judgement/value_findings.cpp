#include "judgement/value_findings.h"

#include "entry/blood_values.h"
#include "state/limits.h"

namespace {

// The two values of a criterion and the rule that judges them together.
struct PairRule {
    bool (*meets)(double first, double second);
    Entry first;
    double firstLimit;
    Entry second;
    double secondLimit;
};

PairRule guidanceRuleOf(Criterion criterion)
{
    switch (criterion) {
    case Criterion::BloodPressure:
        return {bloodPressureRisk, Entry::Systolic, kSystolicLimit, Entry::Diastolic, kDiastolicLimit};
    case Criterion::Lipids: return {lipidRisk, Entry::Triglycerides, kTriglyceridesLimit, Entry::Hdl, kHdlLowerLimit};
    case Criterion::Glucose:
        return {glucoseGuidanceRisk, Entry::FastingGlucose, kFastingGlucoseGuidanceLimit, Entry::Hba1c,
                kHba1cGuidanceLimit};
    }
    return {};
}

PairRule ruleOf(Criterion criterion, LimitKind kind)
{
    if (kind == LimitKind::SyndromeCriterion && criterion == Criterion::Glucose)
        return {glucoseSyndromeFlag, Entry::FastingGlucose, kFastingGlucoseSyndromeLimit, Entry::Hba1c,
                kHba1cSyndromeLimit};
    return guidanceRuleOf(criterion);
}

ValueFinding against(const EntrySnapshot &entries, const EntryValues &values, Entry entry, double limit, bool meets)
{
    const double value = values[entry];
    return {entry, value, limit, value >= limit, meets, !entryText(entries, entry).isEmpty()};
}

// Each value is asked of the rule on its own, with the other value at 0,
// which is what an empty field reads and meets no limit (an HDL of 0 is no
// risk).
ValuePair criterionValues(const EntrySnapshot &entries, const EntryValues &values, Criterion criterion, LimitKind kind)
{
    const PairRule rule = ruleOf(criterion, kind);
    const double first = values[rule.first];
    const double second = values[rule.second];
    return {{against(entries, values, rule.first, rule.firstLimit, rule.meets(first, 0)),
             against(entries, values, rule.second, rule.secondLimit, rule.meets(0, second))}};
}

ValueFinding waistFinding(const EntrySnapshot &entries, const EntryValues &values)
{
    const double limit = entries.female ? kFemaleWaistLimitCm : kMaleWaistLimitCm;
    return against(entries, values, Entry::Waist, limit, values[Entry::Waist] >= limit);
}

ValueFinding bmiFinding(const EntrySnapshot &entries, const EntryValues &values)
{
    return against(entries, values, Entry::Bmi, kBmiLimit, values[Entry::Bmi] >= kBmiLimit);
}

} // namespace

const ValuePair &EntryFindings::values(Criterion criterion, LimitKind kind) const
{
    std::size_t row = 0;
    while (kCriteriaInDeskOrder[row] != criterion)
        ++row;
    return kind == LimitKind::GuidanceRisk ? guidanceValues[row] : syndromeValues[row];
}

EntryFindings findEntries(const EntrySnapshot &entries, const EntryValues &values)
{
    EntryFindings found;
    found.waist = waistFinding(entries, values);
    found.bmi = bmiFinding(entries, values);
    found.toCheck = valuesToCheck(entries, values);
    for (std::size_t row = 0; row < kCriteriaInDeskOrder.size(); ++row) {
        const Criterion criterion = kCriteriaInDeskOrder[row];
        found.guidanceValues[row] = criterionValues(entries, values, criterion, LimitKind::GuidanceRisk);
        found.syndromeValues[row] = criterionValues(entries, values, criterion, LimitKind::SyndromeCriterion);
    }
    return found;
}
