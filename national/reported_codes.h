#pragma once

#include <QString>

// The codes a checkup file reports (9N501, 9N506) against the ones judged.
struct ReportedCodes {
    QString syndromeClass;
    QString guidanceLevel;
};

// 照合: 一致 where every code the file reports is the judged one, 不一致
// naming each that is not, 報告なし where the file reports neither.
struct CodeComparison {
    QString text;
    bool classDiffers = false;
    bool levelDiffers = false;
};

CodeComparison compareCodes(const ReportedCodes &reported, const ReportedCodes &judged);
