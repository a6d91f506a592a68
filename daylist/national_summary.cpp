#include "daylist/national_summary.h"

#include "words/message_words.h"
#include "words/record_row.h"

#include <algorithm>

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

bool NationalSummary::inputsToCheck() const
{
    return std::any_of(inputs.cbegin(), inputs.cend(), [](const SourceNotes &notes) { return notes.toCheck(); });
}

namespace {

// One input's notes, each line naming the input where the run has several.
QString notesText(const SourceNotes &notes)
{
    QStringList lines;
    if (notes.indexCount)
        lines << QStringLiteral("索引 ix08_V08.xml の totalRecordCount: %1").arg(*notes.indexCount);
    if (notes.indexDiffers())
        lines << QStringLiteral("警告: 索引の件数 (%1) と特定健診のファイルの数 (%2) が違います")
                     .arg(*notes.indexCount)
                     .arg(notes.checkupFiles);
    if (!notes.indexProblem.isEmpty())
        lines << QStringLiteral("警告: 索引 ix08_V08.xml が読めません: %1").arg(notes.indexProblem);
    if (notes.indexMissing)
        lines << QStringLiteral("警告: 索引 ix08_V08.xml がありません");
    for (const QString &nested : notes.nestedArchives)
        lines << QStringLiteral("開かなかったアーカイブ: %1").arg(visibleText(nested));
    for (const QString &shared : notes.sharedNames)
        lines << sharedNameWarning(shared);
    for (const QString &special : notes.specialFiles)
        lines << placedMessage(placedMessage(QStringLiteral("開かなかったファイル"), special), notRegularFileText());
    QString text;
    for (const QString &line : lines)
        text += (notes.input.isEmpty() ? line : placedMessage(notes.input, line)) + u'\n';
    return text;
}

} // namespace

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
    for (const SourceNotes &notes : summary.inputs)
        text += notesText(notes);
    for (const QString &repeated : summary.repeatedExaminees)
        text += QStringLiteral("同じ受診者のファイルが複数あります: %1\n").arg(repeated);
    for (auto it = summary.unusedItems.cbegin(); it != summary.unusedItems.cend(); ++it)
        text += QStringLiteral("使わなかった項目: %1: %2 ファイル\n").arg(it.key()).arg(it.value());
    return text;
}
