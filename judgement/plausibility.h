#pragma once

#include "judgement/entries.h"

#include <QList>
#include <QStringView>

#include <optional>

// Values to check: entries that the rules take as they read, but that are
// unlikely for an adult examinee. They block nothing and change no result.

enum class Doubt {
    OutOfRange,       // outside the entry's plausible range
    NotPlainNumber,   // read as its leading number: "65.5.0", "5..6", ".", "-"
    NotBelowSystolic, // a diastolic at or above the systolic
};

struct ValueToCheck {
    Entry entry;
    Doubt doubt;
    double value; // as NumericValue reads the text
    PlausibleRange range;
    friend bool operator==(const ValueToCheck &a, const ValueToCheck &b)
    {
        return a.entry == b.entry && a.doubt == b.doubt && a.value == b.value;
    }
};

// Whether the text is one plain number as a field keeps it: an optional
// "-", digits with at most one point anywhere among them ("-5", "5.", ".5"),
// and at least one digit.
bool isOptionallyNegativeDecimal(QStringView text);

// The doubt about one entry, if any: an empty entry raises none, and the BMI
// is checked only once height and weight are both filled.
std::optional<ValueToCheck> valueToCheck(const EntrySnapshot &entries, Entry entry);
std::optional<ValueToCheck> valueToCheck(const EntrySnapshot &entries, const EntryValues &values, Entry entry);

// Every value to check, in screen order.
QList<ValueToCheck> valuesToCheck(const EntrySnapshot &entries, const EntryValues &values);
