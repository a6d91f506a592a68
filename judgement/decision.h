#pragma once

#include "state/criteria.h"
#include "state/indicator_store.h"

#include <QString>

#include <array>

enum class AgeBand { From40To64, From65To74 };

// The indicator values as a judgement reads them, each through NumericValue.
class IndicatorSnapshot {
public:
    static IndicatorSnapshot of(const IndicatorStore &store);

    double operator[](Indicator indicator) const { return m_values[std::size_t(indicator)]; }
    void set(Indicator indicator, double value) { m_values[std::size_t(indicator)] = value; }

private:
    std::array<double, kIndicatorCount> m_values{};
};

// The waist/BMI class: the waist at or above the limit of the sex; the waist
// below it with a BMI of 25 or more; neither.
enum class BodySize { Neither, Waist, BmiOnly };

// One criterion (blood pressure, lipids or glucose) as its indicators hold it.
struct CriterionFinding {
    Criterion criterion;
    bool met;         // the syndrome criterion is met, by values or drug treatment
    bool metByValues; // the measured values reach the syndrome limits
    bool treated;     // drug treatment "あり"
    bool risk;        // counts as an additional risk for the guidance level
    friend bool operator==(const CriterionFinding &, const CriterionFinding &) = default;
};

// Blood pressure, lipids, glucose: the order in which the desk names them.
inline constexpr std::array kCriteriaInDeskOrder = {Criterion::BloodPressure, Criterion::Lipids, Criterion::Glucose};
using CriterionFindings = std::array<CriterionFinding, kCriteriaInDeskOrder.size()>;

// The rules that give the metabolic-syndrome class (Label37).
enum class ClassRule {
    WaistBelowLimit,      // "３ 非該当" whatever else, the BMI included
    WaistAndNoCriterion,  // "３ 非該当"
    WaistAndOneCriterion, // "２ 予備群該当"
    WaistAndTwoOrMore,    // "１ 基準該当"
};

// The rules that give the level of specific health guidance (Label15).
enum class GuidanceRule {
    DrugTreatment,               // "３ なし": under treatment, not for specific guidance
    NeitherWaistNorBmi,          // "３ なし"
    NoRisk,                      // "３ なし(情報提供レベル)"
    BelowIntensive,              // "２ 動機付け支援"
    Intensive,                   // "１ 積極的支援"
    OlderBandInPlaceOfIntensive, // "２ 動機付け支援": 65 to 74 at the intensive count
};

// What the decision found and which rule gave each result. The explanation
// and the record are made from this; nothing else decides again.
struct Decision {
    AgeBand band;
    BodySize bodySize;
    CriterionFindings criteria;
    bool smokingCounted; // smoking counts only beside another risk
    int criteriaMet;     // of the three criteria, met by values or drug treatment
    int riskCount;       // additional risks: the criteria's and smoking
    int intensiveFrom;   // the risk count from which this body size is intensive support
    ClassRule classRule;
    GuidanceRule guidanceRule;
};

// The decision of the checkup from the indicators alone, for either band.
// The syndrome needs the waist over its limit, and then two criteria for the
// full class or one for the pre-syndrome group. Drug treatment for any
// criterion takes the examinee out of specific guidance; otherwise the body
// size and the risk count set the level, and the older band receives
// motivational support where the younger would receive intensive support.
Decision decide(const IndicatorSnapshot &indicators, AgeBand band);
