#include "daylist/summary.h"

#include "words/message_words.h"
#include "words/record_row.h"

void Summary::countJudged(const Judgement &judgement)
{
    ++judged;
    ++classes[judgement.syndromeClassCaption()];
    ++levels[judgement.guidanceCaption()];
    withValuesToCheck += !judgement.findings.toCheck.isEmpty();
}

Summary &Summary::operator+=(const Summary &other)
{
    judged += other.judged;
    notJudged += other.notJudged;
    passedOver += other.passedOver;
    withValuesToCheck += other.withValuesToCheck;
    for (auto it = other.classes.cbegin(); it != other.classes.cend(); ++it)
        classes[it.key()] += it.value();
    for (auto it = other.levels.cbegin(); it != other.levels.cend(); ++it)
        levels[it.key()] += it.value();
    outputs += other.outputs;
    for (const QString &unused : other.unusedColumns) {
        if (!unusedColumns.contains(unused))
            unusedColumns << unused;
    }
    return *this;
}

QString summaryText(const Summary &summary)
{
    QString text =
        QStringLiteral("判定した行: %1\n判定できなかった行: %2\n").arg(summary.judged).arg(summary.notJudged);
    if (summary.passedOver > 0)
        text += QStringLiteral("飛ばした行 (受診者の行ではない行): %1\n").arg(summary.passedOver);
    if (summary.judged + summary.notJudged == 0)
        text += QStringLiteral("判定する行がありません: 見出しの行のあとに受診者の行がありません\n");
    for (const auto &[column, counts] : {std::pair{ResultColumn::SyndromeClass, &summary.classes},
                                         std::pair{ResultColumn::GuidanceLevel, &summary.levels}}) {
        text += resultHeading(column) + QStringLiteral(":\n");
        for (auto it = counts->cbegin(); it != counts->cend(); ++it)
            text += QStringLiteral("  %1: %2\n").arg(it.key()).arg(it.value());
    }
    text += QStringLiteral("確認する値のある行: %1\n").arg(summary.withValuesToCheck);
    for (const QString &output : summary.outputs)
        text += QStringLiteral("結果: %1\n").arg(visibleText(output));
    for (const QString &unused : summary.unusedColumns)
        text += QStringLiteral("使わなかった列: %1\n").arg(unused);
    return text;
}

QStringList unusedColumnsOf(const ColumnPlan &plan, const QStringList &headings)
{
    QStringList named;
    for (const UnusedColumn &column : plan.unused)
        named << messageCell(headings[column.column]) + QStringLiteral(" (") + column.why + u')';
    return named;
}
