#pragma once

#include "judgement/entries.h"
#include "state/criteria.h"

#include <QList>

// Each measured value held against the limit that it is judged by, for the
// words that say why: which values reached a limit, and which did not.

struct ValueFinding {
    Entry entry;
    double limit;
    bool atOrAbove; // the value is at or above the limit (below it otherwise)
    bool meets;     // it meets the rule on its own (for HDL: below its limit)
    bool measured;  // the field holds an entry
    friend bool operator==(const ValueFinding &, const ValueFinding &) = default;
};

// The limits a criterion's values are judged by: the guidance risk's, or the
// syndrome criterion's (higher for glucose, the same for the others).
enum class LimitKind { GuidanceRisk, SyndromeCriterion };

// Both values of the criterion, in screen order.
QList<ValueFinding> criterionValues(const EntrySnapshot &entries, Criterion criterion, LimitKind kind);

// The waist against the limit of the sex, the BMI display against 25.
ValueFinding waistFinding(const EntrySnapshot &entries);
ValueFinding bmiFinding(const EntrySnapshot &entries);
