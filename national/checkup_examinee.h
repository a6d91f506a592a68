#pragma once

#include "examinee/columns.h"
#include "examinee/examinee.h"
#include "national/checkup_document.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A checkup file read as the one examinee of the examinee layer: its
// measured items, choices, sex and dates handed to the same reading as a
// row of a day's list, under their item codes as headings. What is
// particular to the file is checked first: the types and units of values,
// the codes of the choices and the sex.
struct CheckupExaminee {
    std::optional<Examinee> examinee; // none: not judged, and why
    QString problem;
    // For 確認 beside the judgement: a value the file has only in a kind
    // that is not used, a fasting value taken less than ten hours after a
    // meal.
    QStringList notes;
    // Items of the file named but not used, each "code (why)".
    QStringList unused;
    // The codes the file reports (9N501, 9N506), as written.
    QString reportedClass;
    QString reportedLevel;
    // What the file says of each item, as written (the first value), for
    // the row of a file not judged.
    std::array<QString, kItemCount> read;
};

CheckupExaminee examineeOfCheckup(const CheckupDocument &document);
