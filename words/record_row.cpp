#include "words/record_row.h"

#include "words/desk_names.h"

QStringList judgedRecordHeadings()
{
    QStringList headings{QStringLiteral("年齢区分"), wordText(Word::Sex)};
    for (const Entry entry : kAllEntries)
        headings << entryName(entry);
    for (const Criterion criterion : kCriteriaInDeskOrder)
        headings << criterionName(criterion) + u' ' + wordText(Word::DrugTreatment);
    headings << wordText(Word::Smoking) << wordText(Word::SyndromeClass) << wordText(Word::GuidanceLevel);
    return headings;
}

QStringList judgedRecordRow(const Judgement &judged)
{
    const ChoiceSnapshot &choices = judged.choices;
    QStringList row{ageBandName(judged.band), sexName(judged.entries.female)};
    for (const Entry entry : kAllEntries)
        row << shownText(entryText(judged.entries, entry));
    row << choiceName(choices.bloodPressureDrugs) << choiceName(choices.lipidDrugs) << choiceName(choices.glucoseDrugs)
        << choiceName(choices.smoker) << judged.syndromeClassCaption() << judged.guidanceCaption();
    return row;
}

QString tabSeparatedLine(const QStringList &columns) { return columns.join(u'\t'); }
