#include "words/attention.h"

#include "words/desk_names.h"
#include "words/message_words.h"

namespace {

const QString kCheck = QStringLiteral("確認: ");

QString rangeText(Entry entry, const PlausibleRange &range)
{
    return withUnit(limitText(entry, range.low) + u'～' + limitText(entry, range.high), entry);
}

QString shownValue(const EntrySnapshot &entries, Entry entry)
{
    return withUnit(shownText(entryText(entries, entry)), entry);
}

void addOnce(QList<AttentionMark> &marks, Entry entry, const QString &text, AttentionMark::Until until)
{
    for (const AttentionMark &mark : marks) {
        if (mark.entry == entry)
            return;
    }
    marks << AttentionMark{entry, text, until};
}

} // namespace

QString valueToCheckSummary(const EntrySnapshot &entries, const ValueToCheck &doubt)
{
    const QString name = entryName(doubt.entry);
    switch (doubt.doubt) {
    case Doubt::OutOfRange:
        return name + u' ' + shownValue(entries, doubt.entry) + QStringLiteral(" (通常 ")
               + rangeText(doubt.entry, doubt.range) + u')';
    case Doubt::NotPlainNumber:
        return name + QStringLiteral(" \"") + shownText(entryText(entries, doubt.entry)) + QStringLiteral("\" は ")
               + QString::number(doubt.value) + QStringLiteral(" と読みました");
    case Doubt::NotBelowSystolic:
        return name + u' ' + shownValue(entries, doubt.entry) + QStringLiteral(" が") + entryName(Entry::Systolic)
               + u' ' + shownValue(entries, Entry::Systolic) + u' ' + limitSideWord(true);
    }
    return {};
}

QString valueToCheckText(const EntrySnapshot &entries, const ValueToCheck &doubt)
{
    return kCheck + valueToCheckSummary(entries, doubt);
}

QList<AttentionMark> missingEntryMarks(const Judgement &judged)
{
    QList<AttentionMark> marks;
    for (const QList<MissingEntry> *missing : {&judged.missingForClass, &judged.missingForGuidance}) {
        for (const MissingEntry &m : *missing) {
            using Until = AttentionMark::Until;
            if (m.entry == Entry::Bmi)
                addOnce(marks, Entry::Height, QStringLiteral("BMI を計算できません (身長を確認)"), Until::BmiShown);
            else if (m.entry == Entry::FastingGlucose || m.entry == Entry::Hba1c)
                addOnce(marks, m.entry, QStringLiteral("空腹時血糖か HbA1c のどちらか一方を入力"),
                        Until::GlucoseFilled);
            else if (m.lack == Lack::ReadsZero)
                addOnce(marks, m.entry, QStringLiteral("0 は使えません"), Until::NotZero);
            else
                addOnce(marks, m.entry, wordText(Word::NotEntered), Until::Filled);
        }
    }
    return marks;
}
