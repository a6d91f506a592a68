#pragma once

#include "state/indicator_store.h"

// The three criteria that blood values and drug treatment decide, in the
// order of their rows in the indicator table (state/indicator_store.h).
enum class Criterion { BloodPressure, Lipids, Glucose };

// The limits a criterion's values are judged by: the guidance risk's, or the
// syndrome criterion's (higher for glucose, the same for the others).
enum class LimitKind { GuidanceRisk, SyndromeCriterion };

// The four indicators of a criterion's row, in the table's column order.
struct CriterionIndicators {
    Indicator guidanceRisk; // counts towards the level of health guidance
    Indicator valueFlag;    // the measured values meet the syndrome criterion
    Indicator drugFlag;     // treated with drugs for this criterion
    Indicator count;        // value flag + drug flag: 0, 1 or 2
};

constexpr CriterionIndicators indicatorsOf(Criterion criterion)
{
    const int first = 4 * int(criterion);
    return {Indicator(first), Indicator(first + 1), Indicator(first + 2), Indicator(first + 3)};
}

static_assert(indicatorsOf(Criterion::Glucose).count == Indicator::Label45
                  && indicatorsOf(Criterion::Glucose).count == Indicator(kIndicatorCount - 3),
              "the criteria's rows come first in the indicator table, four indicators each");
