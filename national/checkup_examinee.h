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
    // What the file says of each item as it is judged, for the row of a
    // file not judged: the value read (the one value before a reading),
    // with its bound's word; nothing for a value not read.
    std::array<QString, kItemCount> read;
    // A value with a bound as the desk reads it ("150 以上"), by item: the
    // handlers are given a number on the same side of every limit.
    std::array<QString, kItemCount> bounded;
    // The first non-fasting value of each item whose fasting value the
    // rules read (never judged from).
    std::array<QString, kEntryCount> nonFasting;
};

CheckupExaminee examineeOfCheckup(const CheckupDocument &document);
