#include "national/reported_codes.h"

#include "words/record_row.h"

#include <QStringList>

namespace {

// The record's headings of the two codes: メタボリックシンドローム判定コード,
// 保健指導レベルコード.
const QString &codeHeading(int which)
{
    static const QStringList headings = [] {
        const QStringList record = judgedRecordHeadings();
        return QStringList{record[record.size() - 3], record[record.size() - 2]};
    }();
    return headings[which];
}

QString differs(int which, const QString &reported, const QString &judged)
{
    return codeHeading(which) + QStringLiteral(": 報告 ") + reported + QStringLiteral("、判定 ") + judged;
}

} // namespace

CodeComparison compareCodes(const ReportedCodes &reported, const ReportedCodes &judged)
{
    CodeComparison comparison;
    if (reported.syndromeClass.isEmpty() && reported.guidanceLevel.isEmpty()) {
        comparison.text = QStringLiteral("報告なし");
        return comparison;
    }
    comparison.classDiffers = !reported.syndromeClass.isEmpty() && reported.syndromeClass != judged.syndromeClass;
    comparison.levelDiffers = !reported.guidanceLevel.isEmpty() && reported.guidanceLevel != judged.guidanceLevel;
    QStringList named;
    if (comparison.classDiffers)
        named << differs(0, reported.syndromeClass, judged.syndromeClass);
    if (comparison.levelDiffers)
        named << differs(1, reported.guidanceLevel, judged.guidanceLevel);
    comparison.text = named.isEmpty() ? QStringLiteral("一致")
                                      : QStringLiteral("不一致 (") + named.join(QStringLiteral(" / ")) + u')';
    return comparison;
}
