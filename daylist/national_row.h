#pragma once

#include "judgement/judgement.h"
#include "national/checkup_document.h"
#include "national/checkup_examinee.h"
#include "national/reported_codes.h"

#include <QString>
#include <QStringList>

#include <optional>

// The list of the national files: one row per checkup file. ファイル and
// the header's cells; the judged record's own columns (年齢区分 … 確認);
// 未入力 and the two explanations; the codes the file reports, 照合 and
// 規則の違い.
QStringList nationalListHeadings();

// One file's row, and what the summary counts of it.
struct FileRow {
    QStringList cells;
    std::optional<Judgement> judged; // none: not judged
    ReportedCodes reported;
    CodeComparison comparison;
    // The programme's reading of the same values gives every reported code
    // that differs from the judged one: the rules explain the difference.
    bool explainedByRules = false;
    // The record's 確認: why the file was not judged, or what to check.
    QString &check() { return cells[checkCell()]; }
    const QString &check() const { return cells[checkCell()]; }

private:
    static qsizetype checkCell();
};

// A checkup file: judged through the window's own handlers where it can be,
// else its header, the values read and why, in 確認.
FileRow checkupFileRow(const QString &file, const CheckupDocument &document, const CheckupExaminee &examinee);

// A file that could not be read: its name and why.
FileRow unreadableFileRow(const QString &file, const QString &reason);
