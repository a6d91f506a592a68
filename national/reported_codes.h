#pragma once

#include "judgement/judgement.h"
#include "state/measured_items.h"

#include <QString>

#include <array>

// The codes a checkup file reports (9N501, 9N506), as written.
struct ReportedCodes {
    QString syndromeClass;
    QString guidanceLevel;
};

// A code judged, and where a prompt stands in its place (Kalvemo could not
// judge), the prompt.
struct JudgedCode {
    QString code;
    QString prompt;
};
struct JudgedCodes {
    JudgedCode syndromeClass;
    JudgedCode guidanceLevel;
};

// 照合: 一致 where every code the file reports is the judged one, 不一致
// naming each that is not, 判定できず naming each reported where a prompt
// stands (never 不一致: nothing was found wrong), 報告なし where the file
// reports neither.
struct CodeComparison {
    QString text;
    bool classDiffers = false;
    bool levelDiffers = false;
    bool notJudged = false; // a code reported where a prompt stands
};

CodeComparison compareCodes(const ReportedCodes &reported, const JudgedCodes &judged);

// 規則の違い: each known difference between the window's rules and the
// current programme that applies to the examinee judged, in the desk's
// words with the values, joined with " / "; empty when none applies.
// `nonFasting` holds the file's non-fasting value of each item whose meal
// matters (empty where it has none).
QString ruleDifferences(const Judgement &judged, const std::array<QString, kEntryCount> &nonFasting);
