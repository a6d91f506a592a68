#include "examinee/not_examinee_row.h"

#include "judgement/plausibility.h"

#include <algorithm>

namespace {

// The words a total under a list starts with.
bool startsAsTotal(const QString &cell)
{
    static const QStringList words = {QStringLiteral("計"),   QStringLiteral("合計"),     QStringLiteral("小計"),
                                      QStringLiteral("総計"), QStringLiteral("総数"),     QStringLiteral("人数"),
                                      QStringLiteral("件数"), QStringLiteral("受診者数"), QStringLiteral("以上"),
                                      QStringLiteral("total")};
    const QString trimmed = cell.trimmed();
    return std::any_of(words.cbegin(), words.cend(),
                       [&](const QString &word) { return trimmed.startsWith(word, Qt::CaseInsensitive); });
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
        return std::nullopt;
    if (canBeHeadingLine(cells))
        return QStringLiteral("見出しの行です");
    if (!anyItemCellFilled(cells, plan) && std::any_of(cells.cbegin(), cells.cend(), startsAsTotal))
        return QStringLiteral("合計の行です");
    return std::nullopt;
}
