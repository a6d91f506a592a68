#include "national/reported_codes.h"

#include "words/desk_names.h"
#include "words/message_words.h"
#include "words/record_row.h"
#include "words/words.h"

#include <QStringList>

namespace {

const QString &kJoin = kReasonSeparator;

// Each code a file reports: its column, the report, the judged code and how
// the two stand.
struct CodeColumn {
    ResultColumn column;
    QString ReportedCodes::*reported;
    JudgedCode JudgedCodes::*judged;
    Agreement CodeComparison::*agreement;
};
constexpr CodeColumn kCodeColumns[] = {
    {ResultColumn::ClassCode, &ReportedCodes::syndromeClass, &JudgedCodes::syndromeClass,
     &CodeComparison::syndromeClass},
    {ResultColumn::LevelCode, &ReportedCodes::guidanceLevel, &JudgedCodes::guidanceLevel,
     &CodeComparison::guidanceLevel},
};

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

QString agreementWord(Agreement agreement)
{
    switch (agreement) {
    case Agreement::NotReported: return QStringLiteral("報告なし");
    case Agreement::Agrees: return QStringLiteral("一致");
    case Agreement::Differs: return QStringLiteral("不一致");
    case Agreement::NotJudged: return QStringLiteral("判定できず");
    }
    Q_UNREACHABLE();
}

JudgedCodes judgedCodesOf(const Judgement &judged)
{
    const QStringList record = judgedRecordRow(judged);
    const auto cell = [&record](ResultColumn column) { return record[recordColumn(column)]; };
    return {{cell(ResultColumn::ClassCode), judged.classPrompt() ? cell(ResultColumn::SyndromeClass) : QString()},
            {cell(ResultColumn::LevelCode), judged.guidancePrompt() ? cell(ResultColumn::GuidanceLevel) : QString()}};
}

CodeComparison compareCodes(const ReportedCodes &reported, const JudgedCodes &judged)
{
    CodeComparison comparison;
    if (reported.syndromeClass.isEmpty() && reported.guidanceLevel.isEmpty()) {
        comparison.text = agreementWord(Agreement::NotReported);
        return comparison;
    }
    QStringList named, notJudged;
    for (const CodeColumn &column : kCodeColumns) {
        const QString &report = reported.*column.reported;
        const JudgedCode &code = judged.*column.judged;
        Agreement &agreement = comparison.*column.agreement;
        if (report.isEmpty())
            continue;
        if (report == code.code)
            agreement = Agreement::Agrees;
        else if (!code.prompt.isEmpty()) {
            agreement = Agreement::NotJudged;
            notJudged << reportedAgainst(column.column, report, code.prompt);
        } else {
            agreement = Agreement::Differs;
            named << reportedAgainst(column.column, report, QStringLiteral("判定 ") + code.code);
        }
    }
    QStringList parts;
    if (!named.isEmpty())
        parts << agreementWord(Agreement::Differs) + QStringLiteral(" (") + named.join(kJoin) + u')';
    if (!notJudged.isEmpty())
        parts << agreementWord(Agreement::NotJudged) + QStringLiteral(" (") + notJudged.join(kJoin) + u')';
    comparison.text = parts.isEmpty() ? agreementWord(Agreement::Agrees) : parts.join(kJoin);
    return comparison;
}

ProgrammeVerdicts programmeVerdicts(const ReportedCodes &reported, const CodeComparison &comparison,
                                    const JudgedCodes &programme)
{
    ProgrammeVerdicts verdicts;
    verdicts.explainsDifference = comparison.differs();
    for (const CodeColumn &column : kCodeColumns) {
        const Agreement agreement = comparison.*column.agreement;
        if (agreement != Agreement::Differs && agreement != Agreement::NotJudged)
            continue;
        const JudgedCode &code = programme.*column.judged;
        const QString heading = resultHeading(column.column);
        if (!code.prompt.isEmpty()) {
            verdicts.texts << QStringLiteral("制度の読み方でも %1: %2 (%3)")
                                  .arg(heading, agreementWord(Agreement::NotJudged), code.prompt);
            verdicts.explainsDifference &= agreement != Agreement::Differs;
            continue;
        }
        const bool agrees = code.code == reported.*column.reported;
        verdicts.texts << QStringLiteral("制度の読み方では %1 %2: 報告と%3")
                              .arg(heading, code.code, agreementWord(agrees ? Agreement::Agrees : Agreement::Differs));
        verdicts.explainsDifference &= agrees || agreement != Agreement::Differs;
    }
    return verdicts;
}

QStringList ruleDifferences(const Judgement &judged, const NonFastingValues &nonFasting)
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
    return differences;
}
