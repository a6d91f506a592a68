#include "judgement/decision.h"

#include "state/limits.h"

namespace {

BodySize bodySizeOf(double waistBmiClass)
{
    if (waistBmiClass == 1)
        return BodySize::Waist;
    if (waistBmiClass == 2)
        return BodySize::BmiOnly;
    return BodySize::Neither;
}

CriterionFinding findingOf(const IndicatorSnapshot &v, Criterion criterion)
{
    const CriterionIndicators row = indicatorsOf(criterion);
    return {
        .criterion = criterion,
        .met = v[row.count] >= 1,
        .metByValues = v[row.valueFlag] == 1,
        .treated = v[row.drugFlag] == 1,
        .risk = v[row.guidanceRisk] == 1,
    };
}

ClassRule classRuleOf(const Decision &d)
{
    if (d.bodySize != BodySize::Waist)
        return ClassRule::WaistBelowLimit;
    if (d.criteriaMet >= 2)
        return ClassRule::WaistAndTwoOrMore;
    return d.criteriaMet == 1 ? ClassRule::WaistAndOneCriterion : ClassRule::WaistAndNoCriterion;
}

GuidanceRule guidanceRuleOf(const Decision &d)
{
    for (const CriterionFinding &finding : d.criteria) {
        if (finding.treated)
            return GuidanceRule::DrugTreatment;
    }
    if (d.bodySize == BodySize::Neither)
        return GuidanceRule::NeitherWaistNorBmi;
    if (d.riskCount == 0)
        return GuidanceRule::NoRisk;
    if (d.riskCount < d.intensiveFrom)
        return GuidanceRule::BelowIntensive;
    return d.band == AgeBand::From40To64 ? GuidanceRule::Intensive : GuidanceRule::OlderBandInPlaceOfIntensive;
}

} // namespace

IndicatorSnapshot IndicatorSnapshot::of(const IndicatorStore &store)
{
    IndicatorSnapshot snapshot;
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        snapshot.set(Indicator(i), store.value(Indicator(i)));
    return snapshot;
}

Decision decide(const IndicatorSnapshot &indicators, AgeBand band)
{
    Decision d{};
    d.band = band;
    d.bodySize = bodySizeOf(indicators[kWaistBmiClass]);
    d.smokingCounted = indicators[kSmokingRisk] == 1;
    d.riskCount = d.smokingCounted ? 1 : 0;
    for (std::size_t i = 0; i < kCriteriaInDeskOrder.size(); ++i) {
        d.criteria[i] = findingOf(indicators, kCriteriaInDeskOrder[i]);
        d.criteriaMet += d.criteria[i].met ? 1 : 0;
        d.riskCount += d.criteria[i].risk ? 1 : 0;
    }
    d.intensiveFrom = d.bodySize == BodySize::BmiOnly ? kIntensiveRisksWithBmiOnly : kIntensiveRisksWithWaist;
    d.classRule = classRuleOf(d);
    d.guidanceRule = guidanceRuleOf(d);
    return d;
}
