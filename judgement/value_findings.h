#pragma once

#include "judgement/decision.h"
#include "judgement/entries.h"
#include "judgement/plausibility.h"
#include "state/criteria.h"

#include <QList>

#include <array>

// Each measured value held against the limit that it is judged by, for the
// words that say why: which values reached a limit, and which did not.

struct ValueFinding {
    Entry entry;
    double value; // the number the entry reads as (0 when empty)
    double limit;
    bool atOrAbove; // the value is at or above the limit (below it otherwise)
    bool meets;     // it meets the rule on its own (for HDL: below its limit)
    bool measured;  // the field holds an entry
    friend bool operator==(const ValueFinding &, const ValueFinding &) = default;
};

// What a judgement found of the measured entries, read once at the click:
// the body size's values, both values of each criterion against each kind
// of limit, and the values to check. The words phrase these findings; they
// never read an entry's text as a number again.
// The two values of a criterion, in screen order.
using ValuePair = std::array<ValueFinding, 2>;

struct EntryFindings {
    ValueFinding waist; // against the limit of the sex
    ValueFinding bmi;   // the BMI display against 25
    // Both values of each criterion, in screen order; criteria in desk order.
    std::array<ValuePair, kCriteriaInDeskOrder.size()> guidanceValues;
    std::array<ValuePair, kCriteriaInDeskOrder.size()> syndromeValues;
    QList<ValueToCheck> toCheck; // in screen order

    const ValuePair &values(Criterion criterion, LimitKind kind) const;
};

EntryFindings findEntries(const EntrySnapshot &entries, const EntryValues &values);
