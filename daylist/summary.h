#pragma once

#include "examinee/columns.h"
#include "judgement/judgement.h"

#include <QMap>
#include <QString>
#include <QStringList>

// What a run did, told at its end: how many rows were judged and not (and
// passed over as no examinee's), the
// results counted, the rows with values to check, where the results went and
// which columns were named but not used. A run over several lists sums the
// summaries of those it judged.
struct Summary {
    qint64 judged = 0;
    qint64 notJudged = 0;
    qint64 passedOver = 0; // rows of no examinee: headings again, a total
    qint64 withValuesToCheck = 0;
    QMap<QString, qint64> classes; // by the result as shown
    QMap<QString, qint64> levels;
    QStringList outputs;       // where the results went: files, or 標準出力
    QStringList unusedColumns; // "年齢: why", each once

    void countJudged(const Judgement &judged);
    Summary &operator+=(const Summary &other);
};

QString summaryText(const Summary &summary);

// The unused columns of a plan, each with its heading and why.
QStringList unusedColumnsOf(const ColumnPlan &plan, const QStringList &headings);
