#pragma once

#include "state/indicator_store.h"

// The three criteria that blood values and drug treatment decide, with the
// four indicators of each one's row.
enum class Criterion { BloodPressure, Lipids, Glucose };

struct CriterionIndicators {
    Indicator guidanceRisk; // counts towards the level of health guidance
    Indicator valueFlag;    // the measured values meet the syndrome criterion
    Indicator drugFlag;     // treated with drugs for this criterion
    Indicator count;        // value flag + drug flag: 0, 1 or 2
};

constexpr CriterionIndicators indicatorsOf(Criterion criterion)
{
    switch (criterion) {
    case Criterion::BloodPressure:
        return {Indicator::Label4, Indicator::Label40, Indicator::Label44, Indicator::Label47};
    case Criterion::Lipids: return {Indicator::Label10, Indicator::Label39, Indicator::Label43, Indicator::Label46};
    case Criterion::Glucose: return {Indicator::Label7, Indicator::Label38, Indicator::Label42, Indicator::Label45};
    }
    return {Indicator::Label4, Indicator::Label40, Indicator::Label44, Indicator::Label47};
}
