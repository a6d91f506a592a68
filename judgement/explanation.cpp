#include "judgement/explanation.h"

#include "entry/blood_values.h"
#include "judgement/result_texts.h"
#include "state/limits.h"
#include "state/numeric_value.h"

namespace {

using I = Indicator;

constexpr std::array kCriteriaInDeskOrder = {Criterion::BloodPressure, Criterion::Lipids, Criterion::Glucose};

// The two values of a criterion and the rule that judges them together.
struct ValueRule {
    bool (*meets)(double first, double second);
    Entry first;
    double firstLimit;
    Entry second;
    double secondLimit;
};

ValueRule guidanceRuleOf(Criterion criterion)
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

// Blood pressure and lipids meet the syndrome criterion at the guidance
// limits; glucose only at its higher ones.
ValueRule syndromeRuleOf(Criterion criterion)
{
    if (criterion == Criterion::Glucose)
        return {glucoseSyndromeFlag, Entry::FastingGlucose, kFastingGlucoseSyndromeLimit, Entry::Hba1c,
                kHba1cSyndromeLimit};
    return guidanceRuleOf(criterion);
}

Comparison compare(const EntrySnapshot &entries, Entry entry, double limit)
{
    const QString &text = entryText(entries, entry);
    return {entry, shownText(text), NumericValue(text) >= limit, limit};
}

// The values that meet the rule each on its own: the rule asked with the
// other value at 0, which is what an empty field reads and meets no limit (an
// HDL of 0 is no risk).
QList<Comparison> valuesMeeting(const ValueRule &rule, const EntrySnapshot &entries)
{
    QList<Comparison> meeting;
    const double first = NumericValue(entryText(entries, rule.first));
    const double second = NumericValue(entryText(entries, rule.second));
    if (rule.meets(first, 0))
        meeting << compare(entries, rule.first, rule.firstLimit);
    if (rule.meets(0, second))
        meeting << compare(entries, rule.second, rule.secondLimit);
    return meeting;
}

CriterionFindings findingsOf(const IndicatorSnapshot &v, const EntrySnapshot &entries)
{
    CriterionFindings findings{};
    for (std::size_t i = 0; i < kCriteriaInDeskOrder.size(); ++i) {
        const Criterion criterion = kCriteriaInDeskOrder[i];
        const CriterionIndicators row = indicatorsOf(criterion);
        findings[i] = {
            .criterion = criterion,
            .met = v[row.count] >= 1,
            .metByValues = v[row.valueFlag] == 1,
            .treated = v[row.drugFlag] == 1,
            .risk = v[row.guidanceRisk] == 1,
            .syndromeValues = valuesMeeting(syndromeRuleOf(criterion), entries),
            .riskValues = valuesMeeting(guidanceRuleOf(criterion), entries),
        };
    }
    return findings;
}

BodySize bodySizeOf(double waistBmiClass)
{
    if (waistBmiClass == 1)
        return BodySize::Waist;
    if (waistBmiClass == 2)
        return BodySize::BmiOnly;
    return BodySize::Neither;
}

BodySizeFinding bodySizeFindingOf(const IndicatorSnapshot &v, const EntrySnapshot &entries)
{
    BodySizeFinding finding{
        .size = bodySizeOf(v[I::Label29]),
        .female = entries.female,
        .waist = compare(entries, Entry::Waist, entries.female ? kFemaleWaistLimitCm : kMaleWaistLimitCm),
        .bmi = std::nullopt,
    };
    if (finding.size != BodySize::Waist)
        finding.bmi = compare(entries, Entry::Bmi, kBmiLimit);
    return finding;
}

bool anyDrugTreatment(const IndicatorSnapshot &v)
{
    return v[I::Label42] == 1 || v[I::Label43] == 1 || v[I::Label44] == 1;
}

} // namespace

int GuidanceExplanation::riskCount() const
{
    int count = smoking.counted ? 1 : 0;
    for (const CriterionFinding &finding : criteria)
        count += finding.risk ? 1 : 0;
    return count;
}

QString captionOf(ClassRule rule)
{
    switch (rule) {
    case ClassRule::WaistBelowLimit: return ResultText::kNotMet;
    case ClassRule::WaistAndNoCriterion: return ResultText::kNotMet;
    case ClassRule::WaistAndOneCriterion: return ResultText::kPreSyndrome;
    case ClassRule::WaistAndTwoOrMore: return ResultText::kMeetsCriteria;
    }
    return {};
}

QString captionOf(GuidanceRule rule)
{
    switch (rule) {
    case GuidanceRule::DrugTreatment: return ResultText::kNoGuidance;
    case GuidanceRule::NeitherWaistNorBmi: return ResultText::kNoGuidance;
    case GuidanceRule::NoRisk: return ResultText::kInformationOnly;
    case GuidanceRule::BelowIntensive: return ResultText::kMotivationalSupport;
    case GuidanceRule::Intensive: return ResultText::kIntensiveSupport;
    case GuidanceRule::OlderBandInPlaceOfIntensive: return ResultText::kMotivationalSupport;
    }
    return {};
}

// The syndrome needs the waist; then two of the three criteria make the full
// class and one the pre-syndrome group. A BMI of 25 or more does not stand in
// for the waist here.
ClassExplanation explainSyndromeClass(const IndicatorSnapshot &indicators, const EntrySnapshot &entries)
{
    ClassExplanation why{bodySizeFindingOf(indicators, entries), findingsOf(indicators, entries),
                         ClassRule::WaistBelowLimit};
    if (why.bodySize.size != BodySize::Waist)
        return why;
    int met = 0;
    for (const CriterionFinding &finding : why.criteria)
        met += finding.met ? 1 : 0;
    why.rule = met >= 2   ? ClassRule::WaistAndTwoOrMore
               : met == 1 ? ClassRule::WaistAndOneCriterion
                          : ClassRule::WaistAndNoCriterion;
    return why;
}

// Drug treatment leaves guidance to the physician, whatever else holds. Then
// the body size must exceed its limit, and the risk count sets the level: the
// BMI-only class needs one risk more for intensive support, which the older
// band never receives.
GuidanceExplanation explainGuidance(const IndicatorSnapshot &indicators, const EntrySnapshot &entries,
                                    const ChoiceSnapshot &choices, AgeBand band)
{
    GuidanceExplanation why{
        .band = band,
        .bodySize = bodySizeFindingOf(indicators, entries),
        .criteria = findingsOf(indicators, entries),
        .smoking = {.smoker = choices.smoker, .counted = indicators[I::Label13] == 1},
        .intensiveFrom = 0,
        .rule = GuidanceRule::NeitherWaistNorBmi,
    };
    why.intensiveFrom = why.bodySize.size == BodySize::BmiOnly ? 3 : 2;
    const int risks = why.riskCount();
    if (anyDrugTreatment(indicators))
        why.rule = GuidanceRule::DrugTreatment;
    else if (why.bodySize.size == BodySize::Neither)
        why.rule = GuidanceRule::NeitherWaistNorBmi;
    else if (risks == 0)
        why.rule = GuidanceRule::NoRisk;
    else if (risks < why.intensiveFrom)
        why.rule = GuidanceRule::BelowIntensive;
    else
        why.rule = band == AgeBand::From40To64 ? GuidanceRule::Intensive : GuidanceRule::OlderBandInPlaceOfIntensive;
    return why;
}

QList<MissingEntry> missingEntries(const EntrySnapshot &entries, AgeBand band, Readout resultLabel)
{
    const auto empty = [&](Entry entry) { return entryText(entries, entry).isEmpty(); };
    // The older band asks again for a waist that reads as 0 in both labels,
    // and for a height or weight that reads as 0 in the guidance label.
    const auto readsZeroForOlderBand = [&](Entry entry) {
        if (band != AgeBand::From65To74 || NumericValue(entryText(entries, entry)) != 0)
            return false;
        return entry == Entry::Waist
               || (resultLabel == Readout::Label15 && (entry == Entry::Height || entry == Entry::Weight));
    };
    const bool glucosePairEmpty = empty(Entry::FastingGlucose) && empty(Entry::Hba1c);

    QList<MissingEntry> missing;
    for (const Entry entry : kAllEntries) {
        if (empty(entry)) {
            const bool glucose = entry == Entry::FastingGlucose || entry == Entry::Hba1c;
            if (!glucose || glucosePairEmpty)
                missing << MissingEntry{entry, Lack::Empty};
        } else if (isStep1(entry) && readsZeroForOlderBand(entry)) {
            missing << MissingEntry{entry, Lack::ReadsZero};
        }
    }
    return missing;
}
