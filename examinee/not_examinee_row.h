#pragma once

#include "examinee/columns.h"

#include <QString>
#include <QStringList>

#include <optional>

// Rows a day's list may hold below its heading line that are no examinee's:
// the heading line again (a second list pasted under the first, or a sheet
// printed with its headings on every page), and a total under the list
// ("計 12 名"), a row whose cells of the items hold nothing and one of whose
// cells starts with a word of a total, or a row of sums or averages ("合計",
// "平均" before its values, which are numbers). Why the row is none, in the desk's
// words; none for any other row, which is judged (a row of an examinee
// without a single value is refused, not passed over).
std::optional<QString> notAnExamineesRow(const QStringList &cells, const ColumnPlan &plan);
