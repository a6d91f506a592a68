#include "judgement/checks.h"

namespace {

bool isGlucose(Entry entry) { return entry == Entry::FastingGlucose || entry == Entry::Hba1c; }

// The older band takes no 0 for a body measurement: the waist is asked for
// in both results, height and weight in the guidance level only.
bool readsZeroAndIsAskedFor(const EntryValues &values, AgeBand band, ResultLabel label, Entry entry)
{
    if (band != AgeBand::From65To74 || values[entry] != 0)
        return false;
    return entry == Entry::Waist
           || (label == ResultLabel::Guidance && (entry == Entry::Height || entry == Entry::Weight));
}

} // namespace

QList<MissingEntry> missingEntries(const EntrySnapshot &entries, const EntryValues &values, AgeBand band,
                                   ResultLabel label)
{
    const auto empty = [&](Entry entry) { return entryText(entries, entry).isEmpty(); };
    const bool glucosePairEmpty = empty(Entry::FastingGlucose) && empty(Entry::Hba1c);

    QList<MissingEntry> missing;
    for (const Entry entry : kAllEntries) {
        if (empty(entry)) {
            if (!isGlucose(entry) || glucosePairEmpty)
                missing << MissingEntry{entry, Lack::Empty};
        } else if (readsZeroAndIsAskedFor(values, band, label, entry)) {
            missing << MissingEntry{entry, Lack::ReadsZero};
        }
    }
    return missing;
}
