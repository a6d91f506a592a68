#include "words/desk_names.h"

#include <array>

namespace {

struct EntryWords {
    const char *name;
    const char *unit;
    int limitDecimals; // HbA1c limits are written with their tenth: 6.0, not 6
};

// clang-format off
constexpr std::array<EntryWords, kEntryCount> kEntryWords = {{
    {"身長",                      "cm",    0},
    {"体重",                      "kg",    0},
    {word(Word::Bmi),             "kg/m²", 0},
    {"腹囲",                      "cm",    0},
    {word(Word::Systolic),        "mmHg",  0},
    {word(Word::Diastolic),       "mmHg",  0},
    {word(Word::Triglycerides),   "mg/dL", 0},
    {word(Word::Hdl),             "mg/dL", 0},
    {word(Word::FastingGlucose),  "mg/dL", 0},
    {"HbA1c",                     "%",     1},
}};
// clang-format on

const EntryWords &wordsOf(Entry entry) { return kEntryWords[std::size_t(entry)]; }

} // namespace

QString entryName(Entry entry) { return QString::fromUtf8(wordsOf(entry).name); }

QString entryUnit(Entry entry) { return QString::fromUtf8(wordsOf(entry).unit); }

QString shownText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            shown.append(c);
    }
    return shown;
}

QString limitText(Entry entry, double limit) { return QString::number(limit, 'f', wordsOf(entry).limitDecimals); }

QString withUnit(const QString &number, Entry entry) { return number + u' ' + entryUnit(entry); }

QString criterionName(Criterion criterion)
{
    switch (criterion) {
    case Criterion::BloodPressure: return wordText(Word::BloodPressure);
    case Criterion::Lipids: return wordText(Word::Lipids);
    case Criterion::Glucose: return wordText(Word::Glucose);
    }
    return {};
}

QString sexName(bool female) { return wordText(female ? Word::Female : Word::Male); }

QString choiceName(bool yes) { return wordText(yes ? Word::Yes : Word::No); }

QString ageBandName(AgeBand band)
{
    return wordText(band == AgeBand::From40To64 ? Word::Ages40To64 : Word::Ages65To74);
}
