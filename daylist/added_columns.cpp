#include "daylist/added_columns.h"

#include "words/attention.h"
#include "words/desk_names.h"
#include "words/judged_record.h"
#include "words/message_words.h"
#include "words/record_row.h"

#include <algorithm>
#include <array>

namespace {

// 「腹囲、HDL-CHO」: the entries that the prompts ask for, each once and in
// the order of the form, with what is asked where it is more than filling
// it in.
QString askedEntries(const Judgement &judged)
{
    if (judged.missingForClass.isEmpty() && judged.missingForGuidance.isEmpty())
        return {};
    QList<AttentionMark> marks = missingEntryMarks(judged);
    std::stable_sort(marks.begin(), marks.end(),
                     [](const AttentionMark &a, const AttentionMark &b) { return a.entry < b.entry; });
    QStringList named;
    for (const AttentionMark &mark : marks)
        named << (mark.until == AttentionMark::Until::Filled
                      ? entryName(mark.entry)
                      : entryName(mark.entry) + QStringLiteral(" (") + mark.text + u')');
    return named.join(QStringLiteral("、"));
}

// Each added column in turn, to `add`: the record's results, the band that
// judged the row, 未入力, and the two explanations on one line each,
// written in `explanations`.
template <typename Add>
void forEachAddedColumn(const Judgement &judged, std::array<TextBuilder, 2> &explanations, Add add)
{
    for (const QString &cell : judgedResultCells(judged))
        add(cell);
    add(ageBandName(judged.band));
    add(askedEntries(judged));
    for (TextBuilder &explanation : explanations)
        explanation.truncate(0);
    appendJudgementExplanations(explanations[0], explanations[1], judged, kReasonSeparator);
    for (const TextBuilder &explanation : explanations)
        add(explanation.view());
}

} // namespace

void AddedColumns::addTo(DelimitedLine &line, const Judgement &judged)
{
    forEachAddedColumn(judged, m_explanations, [&line](QStringView cell) { line.add(cell); });
}

QStringList AddedColumns::cellsOf(const Judgement &judged)
{
    QStringList cells;
    forEachAddedColumn(judged, m_explanations, [&cells](QStringView cell) { cells << cell.toString(); });
    return cells;
}

QStringList notJudgedColumns(const QString &reason)
{
    QStringList columns(addedHeadings().size());
    columns[checkColumnIndex()] = reason;
    return columns;
}

qsizetype checkColumnIndex() { return qsizetype(ResultColumn::Check); }
qsizetype bandColumnIndex() { return qsizetype(kAllResultColumns.size()); }
