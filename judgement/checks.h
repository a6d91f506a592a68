#pragma once

#include "judgement/decision.h"
#include "judgement/entries.h"

#include <QList>

#include <optional>

// The checks before a result is shown: where required entries are missing, a
// prompt replaces the result. An entry counts as missing only when it is
// empty (blanks are an entry). Blood pressure and lipids need both values; of
// the glucose pair one is enough. The older age band also asks again for a
// waist, height or weight that reads as 0: the waist for both results, height
// and weight for the guidance level.

enum class ResultLabel { SyndromeClass, Guidance }; // Label37, Label15

// How an entry fails the checks: empty, or (for 65 to 74) reading as 0.
enum class Lack { Empty, ReadsZero };

struct MissingEntry {
    Entry entry;
    Lack lack;
    friend bool operator==(const MissingEntry &, const MissingEntry &) = default;
};

// The entries whose absence makes the checks prompt in the result label,
// in screen order.
QList<MissingEntry> missingEntries(const EntrySnapshot &entries, const EntryValues &values, AgeBand band,
                                   ResultLabel label);

// The prompt that the missing entries call for: Step1 if any of them is a
// Step1 entry, else Step2; none when nothing is missing.
enum class Prompt { EnterStep1, EnterStep2 };
// (Here, where it can be inlined: it is asked many times of every
// judgement, nearly always of an empty list.)
inline std::optional<Prompt> promptFor(const QList<MissingEntry> &missing)
{
    if (missing.isEmpty())
        return std::nullopt;
    for (const MissingEntry &m : missing) {
        if (isStep1(m.entry))
            return Prompt::EnterStep1;
    }
    return Prompt::EnterStep2;
}
