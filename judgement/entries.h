#pragma once

#include "state/numeric_value.h"

#include <QString>

#include <array>
#include <cstddef>

// The examinee as the window shows it at the click of a judgement button:
// the entries that the checks and colours look at, and the choices.
struct EntrySnapshot {
    QString height;         // Text9
    QString weight;         // Text10
    QString waist;          // Text12
    QString bmi;            // Label30, the BMI as displayed
    QString systolic;       // Text1
    QString diastolic;      // Text2
    QString triglycerides;  // Text6
    QString hdl;            // Text7
    QString fastingGlucose; // Text4
    QString hba1c;          // Text5
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

// The measured entries, in the order of the screen and of the copied record.
// Height to waist are Step1 (the BMI is computed from height and weight);
// the blood values are Step2.
enum class Entry {
    Height,
    Weight,
    Bmi,
    Waist,
    Systolic,
    Diastolic,
    Triglycerides,
    Hdl,
    FastingGlucose,
    Hba1c,
};
inline constexpr std::size_t kEntryCount = std::size_t(Entry::Hba1c) + 1;

inline constexpr std::array<Entry, kEntryCount> kAllEntries = {
    Entry::Height,    Entry::Weight,        Entry::Bmi, Entry::Waist,          Entry::Systolic,
    Entry::Diastolic, Entry::Triglycerides, Entry::Hdl, Entry::FastingGlucose, Entry::Hba1c,
};

constexpr bool isStep1(Entry entry) { return entry <= Entry::Waist; }

// The member of the snapshot that holds each entry's text.
inline constexpr std::array<QString EntrySnapshot::*, kEntryCount> kEntryTexts = {
    &EntrySnapshot::height,         &EntrySnapshot::weight,    &EntrySnapshot::bmi,           &EntrySnapshot::waist,
    &EntrySnapshot::systolic,       &EntrySnapshot::diastolic, &EntrySnapshot::triglycerides, &EntrySnapshot::hdl,
    &EntrySnapshot::fastingGlucose, &EntrySnapshot::hba1c,
};

// The text of the entry in the snapshot, as it stood at the click.
inline const QString &entryText(const EntrySnapshot &entries, Entry entry)
{
    return entries.*kEntryTexts[std::size_t(entry)];
}
inline QString &entryText(EntrySnapshot &entries, Entry entry) { return entries.*kEntryTexts[std::size_t(entry)]; }

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
