#pragma once

#include "judgement/choices.h"
#include "judgement/decision.h"
#include "judgement/entries.h"
#include "judgement/explanation.h"

// One judgement with its reasons: the captions that the decision and the
// checks give, and for each result label why it shows that caption. Both come
// from the same indicators and entries in one call, so that an explanation
// can never speak of another result than the one shown.
struct Judgement {
    ResultCaptions results;
    SyndromeClassWhy syndromeClassWhy; // Label37
    GuidanceWhy guidanceWhy;           // Label15
};

Judgement explainedJudgement(const IndicatorSnapshot &indicators, const EntrySnapshot &entries,
                             const ChoiceSnapshot &choices, AgeBand band);
