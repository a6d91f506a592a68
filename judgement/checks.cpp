#include "judgement/checks.h"

namespace {

// The older band takes no 0 for a body measurement: the waist is asked for
// in both results, height and weight in the guidance level only.
bool readsZeroAndIsAskedFor(const EntryValues &values, AgeBand band, ResultLabel label, Entry entry)
{
    if (band != AgeBand::From65To74 || values[entry] != 0)
        return false;
    const ZeroAsked asked = measured(entry).zeroAskedFrom65;
    return asked == ZeroAsked::ForBoth || (asked == ZeroAsked::ForGuidance && label == ResultLabel::Guidance);
}

} // namespace

QList<MissingEntry> missingEntries(const EntrySnapshot &entries, const EntryValues &values, AgeBand band,
                                   ResultLabel label)
{
    const auto empty = [&](Entry entry) { return entryText(entries, entry).isEmpty(); };
    bool glucosePairEmpty = true;
    for (const Entry entry : kAllEntries)
        glucosePairEmpty = glucosePairEmpty && (measured(entry).need != Need::OneOfGlucose || empty(entry));

    QList<MissingEntry> missing;
    for (const Entry entry : kAllEntries) {
        const Need need = measured(entry).need;
        if (empty(entry)) {
            if (need == Need::Required || need == Need::Computed || (need == Need::OneOfGlucose && glucosePairEmpty))
                missing << MissingEntry{entry, Lack::Empty};
        } else if (readsZeroAndIsAskedFor(values, band, label, entry)) {
            missing << MissingEntry{entry, Lack::ReadsZero};
        }
    }
    return missing;
}
