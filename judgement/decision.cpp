#include "judgement/decision.h"

#include "judgement/result_texts.h"

namespace {

using I = Indicator;

class Rows {
public:
    Rows(const IndicatorSnapshot &v, AgeBand band) : v(v), band(band) {}

    ResultCaptions run()
    {
        syndromeClassRows();
        guidanceRowsForWaistClass();
        guidanceRowsForBmiClass();
        overrides();
        return out;
    }

private:
    double riskCount() const { return v[I::Label10] + v[I::Label13] + v[I::Label4] + v[I::Label7]; }

    // The older band is never offered intensive support.
    const QString &intensiveSupport() const
    {
        return band == AgeBand::From40To64 ? ResultText::kIntensiveSupport
                                           : ResultText::kMotivationalSupport;
    }

    // Rows 1 to 5: the class for a waist at or above the limit. Each row is
    // tested on its own.
    void syndromeClassRows()
    {
        const bool waistClass = v[I::Label29] == 1;
        const double glucose = v[I::Label45], lipids = v[I::Label46], pressure = v[I::Label47];
        if (waistClass && glucose >= 1 && lipids == 0 && pressure == 0)
            out.syndromeClass = ResultText::kPreSyndrome;
        if (waistClass && v[I::Label38] + v[I::Label42] == 0 && v[I::Label39] + v[I::Label43] >= 1
            && v[I::Label40] + v[I::Label44] == 0)
            out.syndromeClass = ResultText::kPreSyndrome;
        if (waistClass && v[I::Label38] + v[I::Label42] == 0 && v[I::Label39] + v[I::Label43] == 0
            && v[I::Label40] + v[I::Label44] >= 1)
            out.syndromeClass = ResultText::kPreSyndrome;
        // Two criteria met: the pairs are tried in order, the first one writes.
        if (waistClass
            && ((glucose >= 1 && lipids >= 1) || (lipids >= 1 && pressure >= 1) || (pressure >= 1 && glucose >= 1)))
            out.syndromeClass = ResultText::kMeetsCriteria;
        if (waistClass && glucose + lipids + pressure == 0)
            out.syndromeClass = ResultText::kNotMet;
    }

    // Rows 6 to 8: guidance for waist/BMI class 1.
    void guidanceRowsForWaistClass()
    {
        if (v[I::Label29] != 1)
            return;
        const double risks = riskCount();
        if (risks >= 2)
            out.guidance = intensiveSupport();
        else if (risks == 1)
            out.guidance = ResultText::kMotivationalSupport;
        else if (risks == 0)
            out.guidance = ResultText::kInformationOnly;
    }

    // Rows 9 to 12: guidance for waist/BMI class 2 (BMI alone); always tested.
    void guidanceRowsForBmiClass()
    {
        if (v[I::Label29] != 2)
            return;
        const double risks = riskCount();
        if (risks >= 3)
            out.guidance = intensiveSupport();
        else if (risks == 2 || risks == 1)
            out.guidance = ResultText::kMotivationalSupport;
        else if (risks == 0)
            out.guidance = ResultText::kInformationOnly;
    }

    // Rows 13 to 16: neither waist nor BMI reaches its limit, or the examinee
    // is under drug treatment, which leaves guidance to the physician.
    void overrides()
    {
        if (v[I::Label29] == 0) {
            out.guidance = ResultText::kNoGuidance;
            out.syndromeClass = ResultText::kNotMet;
        }
        if (v[I::Label29] == 2)
            out.syndromeClass = ResultText::kNotMet;
        if (v[I::Label42] == 1 || v[I::Label43] == 1 || v[I::Label44] == 1)
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

ResultCaptions decide(const IndicatorSnapshot &indicators, AgeBand band)
{
    return Rows(indicators, band).run();
}
