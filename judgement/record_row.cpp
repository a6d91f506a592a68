#include "judgement/record_row.h"

#include "judgement/desk_names.h"

QStringList judgedRecordHeadings()
{
    QStringList headings{QStringLiteral("年齢区分"), QStringLiteral("性別")};
    for (const Entry entry : kAllEntries)
        headings << entryName(entry);
    for (const Criterion criterion : {Criterion::BloodPressure, Criterion::Lipids, Criterion::Glucose})
        headings << criterionName(criterion) + QStringLiteral(" 薬剤治療");
    headings << QStringLiteral("喫煙") << QStringLiteral("メタボリックシンドローム")
             << QStringLiteral("保健指導レベル");
    return headings;
}

QStringList judgedRecordRow(const EntrySnapshot &entries, const ChoiceSnapshot &choices, AgeBand band,
                            const QString &syndromeClassShown, const QString &guidanceShown)
{
    QStringList row{ageBandName(band), sexName(entries.female)};
    for (const Entry entry : kAllEntries)
        row << shownText(entryText(entries, entry));
    row << choiceName(choices.bloodPressureDrugs) << choiceName(choices.lipidDrugs) << choiceName(choices.glucoseDrugs)
        << choiceName(choices.smoker) << shownText(syndromeClassShown) << shownText(guidanceShown);
    return row;
}

QString tabSeparatedLine(const QStringList &columns) { return columns.join(u'\t'); }
