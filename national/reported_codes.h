#pragma once

#include "judgement/judgement.h"
#include "national/programme_reading.h"

#include <QString>
#include <QStringList>

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

// The codes of a judgement, as its record writes them.
JudgedCodes judgedCodesOf(const Judgement &judged);

// How one reported code stands against the judged one.
enum class Agreement {
    NotReported,
    Agrees,
    Differs,
    NotJudged, // reported where a prompt stands: nothing was found wrong
};

// 照合's word of each: 報告なし, 一致, 不一致, 判定できず.
QString agreementWord(Agreement agreement);

// 照合: 一致 where every code the file reports is the judged one, 不一致
// naming each that is not, 判定できず naming each reported where a prompt
// stands (never 不一致: nothing was found wrong), 報告なし where the file
// reports neither.
struct CodeComparison {
    QString text;
    Agreement syndromeClass = Agreement::NotReported;
    Agreement guidanceLevel = Agreement::NotReported;

    bool classDiffers() const { return syndromeClass == Agreement::Differs; }
    bool levelDiffers() const { return guidanceLevel == Agreement::Differs; }
    bool differs() const { return classDiffers() || levelDiffers(); }
    bool notJudged() const { return syndromeClass == Agreement::NotJudged || guidanceLevel == Agreement::NotJudged; }
};

CodeComparison compareCodes(const ReportedCodes &reported, const JudgedCodes &judged);

// 規則の違い: each known difference between the window's rules and the
// current programme that applies to the examinee judged, in the desk's
// words with the values; empty when none applies. `nonFasting` holds the
// file's non-fasting value of each item whose meal matters (empty where it
// has none).
QStringList ruleDifferences(const Judgement &judged, const NonFastingValues &nonFasting);

// What the programme's reading of the same values gives for each reported
// code that differs from the judged one or stands where a prompt does:
// "制度の読み方では 保健指導レベルコード 2: 報告と一致" (or 報告と不一致),
// and whether it gives every differing code as reported, which explains the
// difference by the rules.
struct ProgrammeVerdicts {
    QStringList texts;
    bool explainsDifference = false;
};
ProgrammeVerdicts programmeVerdicts(const ReportedCodes &reported, const CodeComparison &comparison,
                                    const JudgedCodes &programme);
