#pragma once

#include "judgement/checks.h"
#include "judgement/decision.h"
#include "judgement/entries.h"
#include "judgement/value_findings.h"

#include <QList>
#include <QString>

#include <optional>

// One judgement of one examinee: what was judged (band, entries, choices),
// what the decision found, what each entry read as and met, and for each result label the entries that the
// checks find missing there. A label shows the prompt those call for, or
// else the caption of its rule.
struct Judgement {
    AgeBand band;
    EntrySnapshot entries;
    EntryValues values; // what each entry read as
    ChoiceSnapshot choices;
    Decision decision;
    EntryFindings findings;                 // each entry as read, and what it met
    QList<MissingEntry> missingForClass;    // Label37
    QList<MissingEntry> missingForGuidance; // Label15

    std::optional<Prompt> classPrompt() const { return promptFor(missingForClass); }
    std::optional<Prompt> guidancePrompt() const { return promptFor(missingForGuidance); }
    QString syndromeClassCaption() const;
    QString guidanceCaption() const;
};

// `values` are what the entries read as, as the form holds them.
Judgement judge(const IndicatorSnapshot &indicators, EntrySnapshot entries, const EntryValues &values,
                const ChoiceSnapshot &choices, AgeBand band);
