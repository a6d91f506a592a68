#include "judgement/decision.h"

#include "judgement/result_texts.h"
#include "state/criteria.h"
#include "state/limits.h"

namespace {

constexpr Criterion kGlucose = Criterion::Glucose;
constexpr Criterion kLipids = Criterion::Lipids;
constexpr Criterion kBloodPressure = Criterion::BloodPressure;

// The decision of the checkup, read from the indicators in its own terms.
// Each step keeps the order of its tests and writes: a later write to a
// result replaces an earlier one, and a result that no step writes keeps
// the caption it had before the click.
class Decision {
public:
    Decision(const IndicatorSnapshot &v, AgeBand band) : v(v), band(band) {}

    ResultCaptions run()
    {
        classWithWaistOverLimit();
        guidanceWithWaistOverLimit();
        guidanceWithBmiOnly();
        overrides();
        return out;
    }

private:
    // Waist/BMI class: 1 the waist reaches the limit of the sex, 2 the waist
    // stays below but the BMI reaches 25, 0 neither.
    double bodySizeClass() const { return v[Indicator::Label29]; }

    // A syndrome criterion is met by a measured value or by drug treatment:
    // its count is the value flag plus the drug flag (0, 1 or 2).
    double metCount(Criterion c) const { return v[indicatorsOf(c).count]; }
    double valueOrDrug(Criterion c) const { return v[indicatorsOf(c).valueFlag] + v[indicatorsOf(c).drugFlag]; }
    bool drugTreated(Criterion c) const { return v[indicatorsOf(c).drugFlag] == 1; }

    // The additional risks that set the level of guidance: lipids, smoking
    // (counted only beside another risk), blood pressure and glucose.
    double riskCount() const
    {
        return v[indicatorsOf(kLipids).guidanceRisk] + v[Indicator::Label13]
               + v[indicatorsOf(kBloodPressure).guidanceRisk] + v[indicatorsOf(kGlucose).guidanceRisk];
    }

    // Intensive support is for ages 40 to 64; from 65 the same examinee is
    // offered motivational support instead.
    const QString &intensiveSupport() const
    {
        return band == AgeBand::From40To64 ? ResultText::kIntensiveSupport : ResultText::kMotivationalSupport;
    }

    // With the waist over its limit, the metabolic syndrome is met with two or
    // three of the criteria glucose, lipids and blood pressure, the
    // pre-syndrome group with exactly one, neither with none. Each test stands
    // on its own; exactly one of them holds.
    void classWithWaistOverLimit()
    {
        if (bodySizeClass() != 1)
            return;
        const double glucose = metCount(kGlucose), lipids = metCount(kLipids), pressure = metCount(kBloodPressure);
        if (glucose >= 1 && lipids == 0 && pressure == 0)
            out.syndromeClass = ResultText::kPreSyndrome;
        if (valueOrDrug(kGlucose) == 0 && valueOrDrug(kLipids) >= 1 && valueOrDrug(kBloodPressure) == 0)
            out.syndromeClass = ResultText::kPreSyndrome;
        if (valueOrDrug(kGlucose) == 0 && valueOrDrug(kLipids) == 0 && valueOrDrug(kBloodPressure) >= 1)
            out.syndromeClass = ResultText::kPreSyndrome;
        if ((glucose >= 1 && lipids >= 1) || (lipids >= 1 && pressure >= 1) || (pressure >= 1 && glucose >= 1))
            out.syndromeClass = ResultText::kMeetsCriteria;
        if (glucose + lipids + pressure == 0)
            out.syndromeClass = ResultText::kNotMet;
    }

    // Waist over its limit: intensive support from two risks, motivational
    // support with one, information only with none.
    void guidanceWithWaistOverLimit()
    {
        if (bodySizeClass() != 1)
            return;
        const double risks = riskCount();
        if (risks >= kIntensiveRisksWithWaist)
            out.guidance = intensiveSupport();
        else if (risks == 1)
            out.guidance = ResultText::kMotivationalSupport;
        else if (risks == 0)
            out.guidance = ResultText::kInformationOnly;
    }

    // Waist below its limit but BMI 25 or more: the same levels, with
    // intensive support only from three risks.
    void guidanceWithBmiOnly()
    {
        if (bodySizeClass() != 2)
            return;
        const double risks = riskCount();
        if (risks >= kIntensiveRisksWithBmiOnly)
            out.guidance = intensiveSupport();
        else if (risks == 2 || risks == 1)
            out.guidance = ResultText::kMotivationalSupport;
        else if (risks == 0)
            out.guidance = ResultText::kInformationOnly;
    }

    // Neither waist nor BMI over its limit: no syndrome and no guidance,
    // whatever the blood values. BMI alone never makes the syndrome. An
    // examinee under drug treatment for any criterion is in the physician's
    // care, so the checkup offers no guidance (tested glucose, lipids, blood
    // pressure; one write at most).
    void overrides()
    {
        if (bodySizeClass() == 0) {
            out.guidance = ResultText::kNoGuidance;
            out.syndromeClass = ResultText::kNotMet;
        }
        if (bodySizeClass() == 2)
            out.syndromeClass = ResultText::kNotMet;
        if (drugTreated(kGlucose) || drugTreated(kLipids) || drugTreated(kBloodPressure))
            out.guidance = ResultText::kNoGuidance;
    }

    const IndicatorSnapshot &v;
    AgeBand band;
    ResultCaptions out;
};

} // namespace

IndicatorSnapshot IndicatorSnapshot::of(const IndicatorStore &store)
{
    IndicatorSnapshot snapshot;
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        snapshot.set(Indicator(i), store.value(Indicator(i)));
    return snapshot;
}

ResultCaptions decide(const IndicatorSnapshot &indicators, AgeBand band) { return Decision(indicators, band).run(); }
