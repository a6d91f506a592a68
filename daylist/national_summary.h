#pragma once

#include "daylist/summary.h"
#include "national/reported_codes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// What one input holds beside its checkup files, told for each input: the
// index's count of records against the checkup files found (or the index
// missing or damaged), the nested archives not opened, the names more than
// one file bears and the files of a folder not opened since they are no
// regular files. `input` names it where the run has several inputs.
struct SourceNotes {
    QString input;
    qint64 checkupFiles = 0;
    std::optional<qint64> indexCount;
    QString indexProblem;      // the index damaged or not an index: why
    bool indexMissing = false; // a delivery without its index
    QStringList nestedArchives;
    QStringList sharedNames;  // names of more than one file of an archive
    QStringList specialFiles; // not opened: no regular files

    // Whether the index counts other than the checkup files found, or
    // cannot count them at all.
    bool indexDiffers() const { return indexCount && *indexCount != checkupFiles; }
    bool indexToCheck() const { return indexDiffers() || indexMissing || !indexProblem.isEmpty(); }
    // Whether the input is not as its maker meant it.
    bool toCheck() const { return !sharedNames.isEmpty() || indexToCheck(); }
};

// What a run over national files did, told at its end: the files read and
// what they were (those not checkup files named), the rows of the list as
// the day's list counts them, the reported codes that differ from the judged
// ones (the rows with and without a difference of the rules) and those
// reported where a prompt stands, the items named but not used, each
// input's notes and the examinees sent twice.
struct NationalSummary {
    qint64 filesRead = 0;
    qint64 checkupFiles = 0;
    qint64 otherFiles = 0;
    qint64 unreadableFiles = 0;
    Summary rows;
    qint64 classDisagreements = 0;
    qint64 levelDisagreements = 0;
    // Rows whose reported codes differ, those the programme's reading
    // explains (規則の違い) and those it does not; rows reporting a code
    // where a prompt stands.
    qint64 disagreeingExplained = 0;
    qint64 disagreeingUnexplained = 0;
    qint64 reportedNotJudged = 0;
    QStringList otherFilesNamed;       // "name: reason", the first kOtherFilesNamed of them
    QMap<QString, qint64> unusedItems; // "code (why)": files naming it
    QList<SourceNotes> inputs;
    QStringList repeatedExaminees; // "card date: file と file"

    // How many files that are not checkup files are named, each with what
    // it is instead; the rest are counted.
    static constexpr qsizetype kOtherFilesNamed = 20;
    void countOtherFile(const QString &name, const QString &reason);

    // A judged row's 照合, and whether the programme's reading explains its
    // difference.
    void countComparison(const CodeComparison &comparison, bool explainedByRules);

    bool inputsToCheck() const;
};
QString nationalSummaryText(const NationalSummary &summary);

// The warning for a name more than one file of an archive bears: in the
// summary, and in 確認 of each of those files' rows.
QString sharedNameWarning(const QString &name);
