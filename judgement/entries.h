#pragma once

#include "state/measured_items.h"
#include "state/numeric_value.h"

#include <QString>

#include <array>
#include <cstddef>

// The examinee as the window shows it at the click of a judgement button:
// the text of each measured entry as its control shows it (the BMI as
// displayed), and the sex.
struct EntrySnapshot {
    std::array<QString, kEntryCount> texts; // in the order of Entry
    bool female = false;
    friend bool operator==(const EntrySnapshot &, const EntrySnapshot &) = default;
};

// The drug-treatment and smoking choices ("あり" selected).
struct ChoiceSnapshot {
    bool bloodPressureDrugs = false;
    bool lipidDrugs = false;
    bool glucoseDrugs = false;
    bool smoker = false;
    friend bool operator==(const ChoiceSnapshot &, const ChoiceSnapshot &) = default;
};

// The text of the entry in the snapshot, as it stood at the click.
inline const QString &entryText(const EntrySnapshot &entries, Entry entry) { return entries.texts[std::size_t(entry)]; }
inline QString &entryText(EntrySnapshot &entries, Entry entry) { return entries.texts[std::size_t(entry)]; }

// The number each entry reads as (NumericValue of its text), read once for
// the rules that look at the same entries at one click: from the texts, or
// as the form already holds them.
class EntryValues {
public:
    EntryValues() = default;
    explicit EntryValues(const EntrySnapshot &entries)
    {
        for (const Entry entry : kAllEntries)
            m_values[std::size_t(entry)] = NumericValue(entryText(entries, entry));
    }
    double operator[](Entry entry) const { return m_values[std::size_t(entry)]; }
    void set(Entry entry, double value) { m_values[std::size_t(entry)] = value; }

private:
    std::array<double, kEntryCount> m_values{};
};
