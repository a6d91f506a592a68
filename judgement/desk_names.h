#pragma once

#include "judgement/decision.h"
#include "judgement/entries.h"
#include "state/criteria.h"

#include <QString>
#include <QStringView>

#include <array>

// The words the desk uses for what a judgement looked at: the entries, the
// criteria, the sex, the age bands and the choices. The explanations and the
// copied record both speak in these words, so that a value is called the same
// wherever it appears.

// The measured entries, in the order of the copied record (and of the screen).
enum class Entry {
    Height,
    Weight,
    Bmi,
    Waist, // Step1
    Systolic,
    Diastolic,
    Triglycerides,
    Hdl,
    FastingGlucose,
    Hba1c, // Step2
};

inline constexpr std::array kAllEntries = {
    Entry::Height,    Entry::Weight,        Entry::Bmi, Entry::Waist,          Entry::Systolic,
    Entry::Diastolic, Entry::Triglycerides, Entry::Hdl, Entry::FastingGlucose, Entry::Hba1c,
};

// The caption's word without its unit: "身長", "HDL-CHO", "HbA1c".
QString entryName(Entry entry);
// "cm" or "kg" for the body measurements; blood values are shown bare, as on
// the form.
QString entryUnit(Entry entry);
bool isStep1(Entry entry);
// The text of the entry in the snapshot, as it stood at the click.
const QString &entryText(const EntrySnapshot &entries, Entry entry);

// What the user saw of a text: the text without control characters. Tabs and
// line feeds can be pasted into a numeric field (and read as nothing by
// NumericValue), but must not split an explanation line or a copied row.
QString shownText(QStringView text);

// A limit as the checkup rules write it: "130", "5.6", "6.0".
QString limitText(Entry entry, double limit);

QString criterionName(Criterion criterion); // "血圧", "脂質", "血糖"
QString sexName(bool female);               // "男性", "女性"
QString choiceName(bool yes);               // "あり", "なし"
// The caption of the judgement button of the band: "40歳～64歳", "65歳～74歳".
QString ageBandName(AgeBand band);
