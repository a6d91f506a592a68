#include "judgement/value_findings.h"

#include "entry/blood_values.h"

namespace {

// The rule that judges a criterion's two values together.
using PairRule = bool (*)(double first, double second);

PairRule ruleOf(Criterion criterion, LimitKind kind)
{
    switch (criterion) {
    case Criterion::BloodPressure: return bloodPressureRisk;
    case Criterion::Lipids: return lipidRisk;
    case Criterion::Glucose: break;
    }
    return kind == LimitKind::SyndromeCriterion ? glucoseSyndromeFlag : glucoseGuidanceRisk;
}

ValueFinding against(const EntrySnapshot &entries, const EntryValues &values, Entry entry, LimitKind kind, bool meets)
{
    const double value = values[entry];
    const double limit = limitOf(entry, kind, entries.female);
    return {entry, value, limit, value >= limit, meets, !entryText(entries, entry).isEmpty()};
}

// Each value is asked of the rule on its own, with the other value at 0,
// which is what an empty field reads and meets no limit (an HDL of 0 is no
// risk).
ValuePair criterionValues(const EntrySnapshot &entries, const EntryValues &values, Criterion criterion, LimitKind kind)
{
    const PairRule meets = ruleOf(criterion, kind);
    const auto [first, second] = pairOf(criterion);
    return {{against(entries, values, first, kind, meets(values[first], 0)),
             against(entries, values, second, kind, meets(0, values[second]))}};
}

// The body size: the waist against the limit of the sex, the BMI display
// against its own.
ValueFinding bodyFinding(const EntrySnapshot &entries, const EntryValues &values, Entry entry)
{
    constexpr LimitKind kind = LimitKind::SyndromeCriterion;
    return against(entries, values, entry, kind, reachesLimit(entry, values[entry], kind, entries.female));
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
    found.waist = bodyFinding(entries, values, Entry::Waist);
    found.bmi = bodyFinding(entries, values, Entry::Bmi);
    found.toCheck = valuesToCheck(entries, values);
    for (std::size_t row = 0; row < kCriteriaInDeskOrder.size(); ++row) {
        const Criterion criterion = kCriteriaInDeskOrder[row];
        found.guidanceValues[row] = criterionValues(entries, values, criterion, LimitKind::GuidanceRisk);
        found.syndromeValues[row] = criterionValues(entries, values, criterion, LimitKind::SyndromeCriterion);
    }
    return found;
}
