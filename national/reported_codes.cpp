#include "national/reported_codes.h"

#include "words/desk_names.h"
#include "words/message_words.h"
#include "words/record_row.h"
#include "words/words.h"

#include <QStringList>

namespace {

const QString &kJoin = kReasonSeparator;

// "保健指導レベルコード: 報告 2、" and what stands against the report.
QString reportedAgainst(ResultColumn code, const QString &reported, const QString &against)
{
    return resultHeading(code) + QStringLiteral(": 報告 ") + reported + QStringLiteral("、") + against;
}

// The value of an entry as judged, against a limit: "95 が 100 未満".
QString heldAgainst(const Judgement &judged, const ValueFinding &finding)
{
    return entryName(finding.entry) + u' '
           + valueAgainstLimit(entryText(judged.entries, finding.entry), limitText(finding.entry, finding.limit),
                               finding.atOrAbove);
}

// Fasting glucose under its limit, HbA1c at or over its own: the window
// counts the glucose; the programme reads fasting glucose first and would
// not.
void addGlucoseOrder(QStringList &differences, const Judgement &judged)
{
    for (const auto &[kind, result] : {std::pair{LimitKind::GuidanceRisk, Word::GuidanceLevel},
                                       std::pair{LimitKind::SyndromeCriterion, Word::SyndromeClass}}) {
        const ValuePair &pair = judged.findings.values(Criterion::Glucose, kind);
        const ValueFinding &fasting = pair[0].entry == Entry::FastingGlucose ? pair[0] : pair[1];
        const ValueFinding &hba1c = pair[0].entry == Entry::FastingGlucose ? pair[1] : pair[0];
        if (fasting.measured && !fasting.meets && hba1c.measured && hba1c.meets)
            differences << heldAgainst(judged, fasting) + QStringLiteral("、") + heldAgainst(judged, hba1c)
                               + QStringLiteral(": 制度は空腹時血糖を先に見るため、") + wordText(result)
                               + QStringLiteral("で血糖を数えません");
    }
}

bool isEntered(const Judgement &judged, Entry entry) { return !entryText(judged.entries, entry).isEmpty(); }

} // namespace

CodeComparison compareCodes(const ReportedCodes &reported, const JudgedCodes &judged)
{
    CodeComparison comparison;
    if (reported.syndromeClass.isEmpty() && reported.guidanceLevel.isEmpty()) {
        comparison.text = QStringLiteral("報告なし");
        return comparison;
    }
    QStringList named, notJudged;
    for (const auto &[column, report, code, differsFlag] :
         {std::tuple{ResultColumn::ClassCode, &reported.syndromeClass, &judged.syndromeClass, &comparison.classDiffers},
          std::tuple{ResultColumn::LevelCode, &reported.guidanceLevel, &judged.guidanceLevel,
                     &comparison.levelDiffers}}) {
        if (!report->isEmpty() && *report != code->code) {
            if (!code->prompt.isEmpty())
                notJudged << reportedAgainst(column, *report, code->prompt);
            else {
                *differsFlag = true;
                named << reportedAgainst(column, *report, QStringLiteral("判定 ") + code->code);
            }
        }
    }
    comparison.notJudged = !notJudged.isEmpty();
    QStringList parts;
    if (!named.isEmpty())
        parts << QStringLiteral("不一致 (") + named.join(kJoin) + u')';
    if (!notJudged.isEmpty())
        parts << QStringLiteral("判定できず (") + notJudged.join(kJoin) + u')';
    comparison.text = parts.isEmpty() ? QStringLiteral("一致") : parts.join(kJoin);
    return comparison;
}

QString ruleDifferences(const Judgement &judged, const std::array<QString, kEntryCount> &nonFasting)
{
    QStringList differences;
    addGlucoseOrder(differences, judged);
    const QString &triglycerides = nonFasting[std::size_t(Entry::Triglycerides)];
    if (!triglycerides.isEmpty() && !isEntered(judged, Entry::Triglycerides))
        differences << QStringLiteral("中性脂肪は随時の値 %1 だけです: 制度は2024年度から随時の中性脂肪 %2 "
                                      "以上を数えます (この判定は空腹時の値だけを使います)")
                           .arg(triglycerides, withUnit(limitText(Entry::Triglycerides,
                                                                  measured(Entry::Triglycerides).limits.nonFasting),
                                                        Entry::Triglycerides));
    const QString &glucose = nonFasting[std::size_t(Entry::FastingGlucose)];
    if (!glucose.isEmpty() && !isEntered(judged, Entry::FastingGlucose) && !isEntered(judged, Entry::Hba1c))
        differences << QStringLiteral("血糖は随時の値 %1 だけです: 制度は空腹時血糖も HbA1c もないとき随時血糖を"
                                      "使います (この判定は使いません)")
                           .arg(glucose);
    return differences.join(kJoin);
}
