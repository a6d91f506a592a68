#include "judgement/desk_names.h"

#include "judgement/judgement_buttons.h"

namespace {

struct EntryWords {
    const char *name;
    const char *unit;
    int limitDecimals; // HbA1c limits are written with their tenth: 6.0, not 6
    QString EntrySnapshot::*text;
};

// clang-format off
constexpr std::array<EntryWords, kAllEntries.size()> kEntryWords = {{
    {"身長",       "cm", 0, &EntrySnapshot::height},
    {"体重",       "kg", 0, &EntrySnapshot::weight},
    {"BMI",        "",   0, &EntrySnapshot::bmi},
    {"腹囲",       "cm", 0, &EntrySnapshot::waist},
    {"最高血圧",   "",   0, &EntrySnapshot::systolic},
    {"最低血圧",   "",   0, &EntrySnapshot::diastolic},
    {"中性脂肪",   "",   0, &EntrySnapshot::triglycerides},
    {"HDL-CHO",    "",   0, &EntrySnapshot::hdl},
    {"空腹時血糖", "",   0, &EntrySnapshot::fastingGlucose},
    {"HbA1c",      "",   1, &EntrySnapshot::hba1c},
}};
// clang-format on

const EntryWords &wordsOf(Entry entry) { return kEntryWords[std::size_t(entry)]; }

} // namespace

QString entryName(Entry entry) { return QString::fromUtf8(wordsOf(entry).name); }

QString entryUnit(Entry entry) { return QString::fromUtf8(wordsOf(entry).unit); }

bool isStep1(Entry entry) { return entry <= Entry::Waist; }

const QString &entryText(const EntrySnapshot &entries, Entry entry) { return entries.*wordsOf(entry).text; }

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

QString criterionName(Criterion criterion)
{
    switch (criterion) {
    case Criterion::BloodPressure: return QStringLiteral("血圧");
    case Criterion::Lipids: return QStringLiteral("脂質");
    case Criterion::Glucose: return QStringLiteral("血糖");
    }
    return {};
}

QString sexName(bool female) { return female ? QStringLiteral("女性") : QStringLiteral("男性"); }

QString choiceName(bool yes) { return yes ? QStringLiteral("あり") : QStringLiteral("なし"); }

QString ageBandName(AgeBand band)
{
    return QString::fromUtf8(band == AgeBand::From40To64 ? kAges40To64Caption : kAges65To74Caption);
}
