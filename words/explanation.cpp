#include "words/explanation.h"

#include "state/limits.h"
#include "words/desk_names.h"

#include <QStringBuilder>
#include <QStringList>

namespace {

const QString kListSeparator = QStringLiteral("、");

QString bodySizeLine(const Judgement &j)
{
    QString line = comparisonText(j.entries, j.findings.waist) % u" (" % sexName(j.entries.female) % u')';
    // The BMI counts only where the waist stays below its limit.
    if (j.decision.bodySize != BodySize::Waist)
        line += kListSeparator + comparisonText(j.entries, j.findings.bmi);
    return line;
}

// The values that reached their limits. Where one glucose value reached its
// limit and the other, measured, did not, both are named: either one is
// enough here, which staff should be able to see.
QStringList valuesMeeting(const Judgement &j, Criterion criterion, LimitKind kind)
{
    const EntrySnapshot &entries = j.entries;
    QStringList meeting, notMeeting;
    for (const ValueFinding &value : j.findings.values(criterion, kind)) {
        if (value.meets)
            meeting << comparisonText(entries, value);
        else if (value.measured)
            notMeeting << entryName(value.entry) % u' ' % shownText(entryText(entries, value.entry)) % u' '
                              % entryUnit(value.entry) % u" は基準値未満";
    }
    if (criterion == Criterion::Glucose && !meeting.isEmpty())
        meeting << notMeeting;
    return meeting;
}

// "脂質 (中性脂肪 160 mg/dL ≥ 150 mg/dL、HDL-CHO 38 mg/dL < 40 mg/dL)", or
// the bare name where nothing on screen shows why.
QString withReasons(Criterion criterion, const QStringList &reasons)
{
    if (reasons.isEmpty())
        return criterionName(criterion);
    return criterionName(criterion) % u" (" % reasons.join(kListSeparator) % u')';
}

QString metByWhat(const Judgement &j, const CriterionFinding &finding)
{
    QStringList reasons;
    if (finding.metByValues)
        reasons << valuesMeeting(j, finding.criterion, LimitKind::SyndromeCriterion);
    if (finding.treated)
        reasons << wordText(Word::DrugTreatment) + wordText(Word::Yes);
    return withReasons(finding.criterion, reasons);
}

QString ruleLine(const QString &reason, const QString &caption) { return reason % u" → " % caption; }

QString classRuleReason(const Decision &d)
{
    switch (d.classRule) {
    case ClassRule::WaistBelowLimit:
        return d.bodySize == BodySize::BmiOnly ? QStringLiteral("腹囲が基準値未満 (BMI だけでは該当しない)")
                                               : QStringLiteral("腹囲が基準値未満");
    case ClassRule::WaistAndNoCriterion: return QStringLiteral("腹囲が基準値以上、該当項目なし");
    case ClassRule::WaistAndOneCriterion: return QStringLiteral("腹囲が基準値以上で1項目に該当");
    case ClassRule::WaistAndTwoOrMore: return QStringLiteral("腹囲が基準値以上で2項目以上に該当");
    }
    return {};
}

QString smokingLine(const Judgement &j)
{
    if (j.decision.smokingCounted)
        return QStringLiteral("喫煙: あり (血圧・脂質・血糖のリスクがあるため追加リスクに数える)");
    if (j.choices.smoker)
        return QStringLiteral("喫煙: あり (血圧・脂質・血糖のリスクがないため数えない)");
    return QStringLiteral("喫煙: なし (数えない)");
}

QString riskCountWords(int count) { return QStringLiteral("追加リスク%1つ").arg(count); }

QString guidanceRuleReason(const Decision &d)
{
    const QString bodySize = d.bodySize == BodySize::Waist
                                 ? QStringLiteral("腹囲が基準値以上")
                                 : QStringLiteral("腹囲が基準値未満で BMI ")
                                       + withUnit(limitText(Entry::Bmi, kBmiLimit), Entry::Bmi)
                                       + QStringLiteral(" 以上");
    const QString intensiveCount = riskCountWords(d.intensiveFrom) + QStringLiteral("以上");
    switch (d.guidanceRule) {
    case GuidanceRule::DrugTreatment: return QStringLiteral("服薬中のため特定保健指導の対象外");
    case GuidanceRule::NeitherWaistNorBmi: return QStringLiteral("腹囲・BMI とも基準値未満");
    case GuidanceRule::NoRisk: return bodySize + QStringLiteral("、追加リスクなし");
    case GuidanceRule::BelowIntensive:
        return bodySize + QStringLiteral("、追加リスク")
               + (d.intensiveFrom > 2 ? QStringLiteral("1～%1つ").arg(d.intensiveFrom - 1) : QStringLiteral("1つ"));
    case GuidanceRule::Intensive: return bodySize + kListSeparator + intensiveCount;
    case GuidanceRule::OlderBandInPlaceOfIntensive:
        return bodySize + kListSeparator + intensiveCount + QStringLiteral(" (") + ageBandName(AgeBand::From65To74)
               + QStringLiteral("は積極的支援に該当しても動機付け支援)");
    }
    return {};
}

// One line per kind of lack, in screen order.
QString promptText(const QList<MissingEntry> &missing)
{
    QStringList emptyStep1, zeroStep1, emptyStep2;
    bool bmiMissing = false, glucosePair = false;
    for (const MissingEntry &m : missing) {
        if (m.entry == Entry::Bmi)
            bmiMissing = true;
        else if (m.lack == Lack::ReadsZero)
            zeroStep1 << entryName(m.entry);
        else
            (isStep1(m.entry) ? emptyStep1 : emptyStep2) << entryName(m.entry);
        glucosePair = glucosePair || m.entry == Entry::FastingGlucose;
    }
    QStringList lines;
    if (!emptyStep1.isEmpty())
        lines << QStringLiteral("Step1 未入力: ") + emptyStep1.join(kListSeparator);
    if (bmiMissing)
        lines << QStringLiteral("BMI が計算されていません (身長・体重を確認)");
    if (!zeroStep1.isEmpty())
        lines << QStringLiteral("Step1 値が 0: ") + zeroStep1.join(kListSeparator)
                     + QStringLiteral(" (65歳～74歳の判定では 0 は使えません)");
    if (!emptyStep2.isEmpty())
        lines << QStringLiteral("Step2 未入力: ") + emptyStep2.join(kListSeparator)
                     + (glucosePair ? QStringLiteral(" (空腹時血糖・HbA1c はどちらか一方で可)") : QString());
    return lines.join(u'\n');
}

} // namespace

QString comparisonText(const EntrySnapshot &entries, const ValueFinding &f)
{
    const QStringView relation = f.atOrAbove ? u" ≥ " : u" < ";
    const QString &unit = entryUnit(f.entry);
    return entryName(f.entry) % u' ' % shownText(entryText(entries, f.entry)) % u' ' % unit % relation
           % limitText(f.entry, f.limit) % u' ' % unit;
}

QString classExplanation(const Judgement &j)
{
    if (j.classPrompt())
        return promptText(j.missingForClass);
    QStringList lines{bodySizeLine(j)};
    // The criteria count only beside a waist at or above its limit.
    if (j.decision.bodySize == BodySize::Waist) {
        QStringList met, notMet;
        for (const CriterionFinding &finding : j.decision.criteria) {
            if (finding.met)
                met << metByWhat(j, finding);
            else
                notMet << criterionName(finding.criterion);
        }
        if (!met.isEmpty())
            lines << QStringLiteral("該当: ") + met.join(kListSeparator);
        if (!notMet.isEmpty())
            lines << QStringLiteral("該当なし: ") + notMet.join(kListSeparator);
    }
    lines << ruleLine(classRuleReason(j.decision), j.syndromeClassCaption());
    return lines.join(u'\n');
}

QString guidanceExplanation(const Judgement &j)
{
    if (j.guidancePrompt())
        return promptText(j.missingForGuidance);
    const Decision &d = j.decision;
    QStringList counted, notCounted, treated;
    for (const CriterionFinding &finding : d.criteria) {
        if (finding.risk)
            counted << withReasons(finding.criterion, valuesMeeting(j, finding.criterion, LimitKind::GuidanceRisk));
        else
            notCounted << criterionName(finding.criterion);
        if (finding.treated)
            treated << criterionName(finding.criterion);
    }
    if (d.smokingCounted)
        counted << wordText(Word::Smoking);

    QStringList lines{bodySizeLine(j)};
    lines << (d.riskCount == 0 ? QStringLiteral("追加リスクなし")
                               : riskCountWords(d.riskCount) + QStringLiteral(": ") + counted.join(kListSeparator));
    if (!notCounted.isEmpty())
        lines << QStringLiteral("リスクなし: ") + notCounted.join(kListSeparator);
    lines << smokingLine(j);
    if (!treated.isEmpty())
        lines << wordText(Word::DrugTreatment) + wordText(Word::Yes) + QStringLiteral(": ")
                     + treated.join(kListSeparator);
    lines << ageBandName(d.band) + QStringLiteral(": ") + ruleLine(guidanceRuleReason(d), j.guidanceCaption());
    return lines.join(u'\n');
}
