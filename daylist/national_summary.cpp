#include "daylist/national_summary.h"

#include "words/message_words.h"
#include "words/record_row.h"

QString sharedNameWarning(const QString &name)
{
    return QStringLiteral("警告: 同じ名前のファイルが複数あります (展開すると1つしか残りません): %1")
        .arg(visibleText(name));
}

void NationalSummary::countOtherFile(const QString &name, const QString &reason)
{
    if (++otherFiles <= kOtherFilesNamed)
        otherFilesNamed.append(placedMessage(name, reason));
}

void NationalSummary::countComparison(const CodeComparison &comparison, bool explainedByRules)
{
    classDisagreements += comparison.classDiffers();
    levelDisagreements += comparison.levelDiffers();
    if (comparison.differs())
        ++(explainedByRules ? disagreeingExplained : disagreeingUnexplained);
    reportedNotJudged += comparison.notJudged();
}

QString nationalSummaryText(const NationalSummary &summary)
{
    QString text =
        QStringLiteral("読んだファイル: %1\n特定健診のファイル: %2\n").arg(summary.filesRead).arg(summary.checkupFiles);
    if (summary.otherFiles > 0)
        text += QStringLiteral("特定健診でないファイル (判定しません): %1\n").arg(summary.otherFiles);
    for (const QString &named : summary.otherFilesNamed)
        text += QStringLiteral("  ") + named + u'\n';
    if (summary.otherFiles > summary.otherFilesNamed.size())
        text += QStringLiteral("  ほか %1 ファイル\n").arg(summary.otherFiles - summary.otherFilesNamed.size());
    if (summary.unreadableFiles > 0)
        text += QStringLiteral("読めなかったファイル: %1\n").arg(summary.unreadableFiles);
    text += summaryText(summary.rows);
    text += QStringLiteral("報告と違う%1: %2\n")
                .arg(resultHeading(ResultColumn::ClassCode))
                .arg(summary.classDisagreements);
    text += QStringLiteral("報告と違う%1: %2\n")
                .arg(resultHeading(ResultColumn::LevelCode))
                .arg(summary.levelDisagreements);
    text += QStringLiteral("報告と違う行: 規則の違いで説明できる %1、説明できない %2\n")
                .arg(summary.disagreeingExplained)
                .arg(summary.disagreeingUnexplained);
    text += QStringLiteral("報告があり判定できなかった行 (判定できず): %1\n").arg(summary.reportedNotJudged);
    if (summary.indexCount)
        text += QStringLiteral("索引 ix08_V08.xml の totalRecordCount: %1\n").arg(*summary.indexCount);
    if (summary.indexDiffers())
        text += QStringLiteral("警告: 索引の件数 (%1) と特定健診のファイルの数 (%2) が違います\n")
                    .arg(*summary.indexCount)
                    .arg(summary.checkupFiles);
    if (!summary.indexProblem.isEmpty())
        text += QStringLiteral("警告: 索引 ix08_V08.xml が読めません: %1\n").arg(summary.indexProblem);
    if (summary.indexMissing)
        text += QStringLiteral("警告: 索引 ix08_V08.xml がありません\n");
    for (const QString &nested : summary.nestedArchives)
        text += QStringLiteral("開かなかったアーカイブ: %1\n").arg(visibleText(nested));
    for (const QString &shared : summary.sharedNames)
        text += sharedNameWarning(shared) + u'\n';
    for (const QString &special : summary.specialFiles)
        text +=
            placedMessage(placedMessage(QStringLiteral("開かなかったファイル"), special), notRegularFileText()) + u'\n';
    for (auto it = summary.unusedItems.cbegin(); it != summary.unusedItems.cend(); ++it)
        text += QStringLiteral("使わなかった項目: %1: %2 ファイル\n").arg(it.key()).arg(it.value());
    return text;
}
