#include "examinee/not_examinee_row.h"

#include "judgement/plausibility.h"

#include <algorithm>

namespace {

// A word a total under a list starts with; whether it sums or averages
// the values of a column, so that its row may hold numbers under the
// items' headings.
struct TotalWord {
    QString word;
    bool ofValues;
};

const QList<TotalWord> &totalWords()
{
    static const QList<TotalWord> words = {
        {QStringLiteral("計"), false},   {QStringLiteral("合計"), true},      {QStringLiteral("小計"), true},
        {QStringLiteral("総計"), true},  {QStringLiteral("総数"), false},     {QStringLiteral("人数"), false},
        {QStringLiteral("件数"), false}, {QStringLiteral("受診者数"), false}, {QStringLiteral("以上"), false},
        {QStringLiteral("total"), true}, {QStringLiteral("平均"), true}};
    return words;
}

// Whether the cell starts with a word of a total (of one that sums or
// averages values, where asked).
bool startsAsTotal(const QString &cell, bool ofValues = false)
{
    const QString trimmed = cell.trimmed();
    return std::any_of(totalWords().cbegin(), totalWords().cend(), [&](const TotalWord &total) {
        return (total.ofValues || !ofValues) && trimmed.startsWith(total.word, Qt::CaseInsensitive);
    });
}

// A row of sums or averages under the list: one of the cells before the
// first measured value (the examinee's ID or name, as a rule) starts with a
// word of one.
bool isRowOfSums(const QStringList &cells, const ColumnPlan &plan)
{
    qsizetype firstValue = cells.size();
    for (const MeasuredItem &item : kMeasuredItems) {
        for (const ItemColumn &c : plan.of(itemOf(item.entry)))
            firstValue = std::min(firstValue, c.column);
    }
    return std::any_of(cells.cbegin(), cells.cbegin() + firstValue,
                       [](const QString &cell) { return startsAsTotal(cell, true); });
}

bool anyItemCellFilled(const QStringList &cells, const ColumnPlan &plan)
{
    for (const QList<ItemColumn> &columns : plan.items) {
        for (const ItemColumn &c : columns) {
            if (c.column < cells.size() && !cells[c.column].trimmed().isEmpty())
                return true;
        }
    }
    return false;
}

// A measured value written as a number ("170", "5.6"): no heading or total
// holds one.
bool anyMeasuredNumber(const QStringList &cells, const ColumnPlan &plan)
{
    for (const MeasuredItem &item : kMeasuredItems) {
        for (const ItemColumn &c : plan.of(itemOf(item.entry))) {
            if (c.column < cells.size() && isOptionallyNegativeDecimal(cells[c.column]))
                return true;
        }
    }
    return false;
}

} // namespace

std::optional<QString> notAnExamineesRow(const QStringList &cells, const ColumnPlan &plan)
{
    // Asked first, as reading a row's cells as headings costs many times
    // judging it.
    if (anyMeasuredNumber(cells, plan))
        return isRowOfSums(cells, plan) ? std::optional(QStringLiteral("合計の行です")) : std::nullopt;
    if (canBeHeadingLine(cells))
        return QStringLiteral("見出しの行です");
    if (!anyItemCellFilled(cells, plan)
        && std::any_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return startsAsTotal(cell); }))
        return QStringLiteral("合計の行です");
    return std::nullopt;
}
