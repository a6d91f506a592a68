#include "words/explanation.h"

#include "state/measured_items.h"
#include "words/desk_names.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace {

constexpr QStringView kListSeparator = u"、";

// An explanation is written into one growing text: each line and each list
// item is appended where it goes, with its separator before it, instead of
// being made as a string of its own and joined.
class Joined {
public:
    Joined(TextBuilder &text, QStringView separator) : m_text(text), m_separator(separator) {}
    // The text, ready for the next item.
    TextBuilder &next()
    {
        if (m_items++ > 0)
            m_text << m_separator;
        return m_text;
    }

private:
    TextBuilder &m_text;
    QStringView m_separator;
    int m_items = 0;
};

void appendComparison(TextBuilder &text, const EntrySnapshot &entries, const ValueFinding &f)
{
    const QString &unit = entryUnit(f.entry);
    text << entryName(f.entry) << u' ';
    appendShownText(text, entryText(entries, f.entry));
    text << u' ' << unit;
    if (f.atOrAbove)
        text << u" ≥ ";
    else
        text << u" < ";
    appendLimitText(text, f.entry, f.limit);
    text << u' ' << unit;
}

void appendBodySize(TextBuilder &line, const Judgement &j)
{
    appendComparison(line, j.entries, j.findings.waist);
    line << u" (" << sexName(j.entries.female) << u')';
    // The BMI counts only where the waist stays below its limit.
    if (j.decision.bodySize != BodySize::Waist) {
        line << kListSeparator;
        appendComparison(line, j.entries, j.findings.bmi);
    }
}

// The values that reached their limits. Where one glucose value reached its
// limit and the other, measured, did not, both are named: either one is
// enough here, which staff should be able to see.
void appendValuesMeeting(Joined &reasons, const Judgement &j, Criterion criterion, LimitKind kind)
{
    const ValuePair &values = j.findings.values(criterion, kind);
    bool anyMeeting = false;
    for (const ValueFinding &value : values) {
        if (value.meets) {
            appendComparison(reasons.next(), j.entries, value);
            anyMeeting = true;
        }
    }
    if (criterion != Criterion::Glucose || !anyMeeting)
        return;
    for (const ValueFinding &value : values) {
        if (!value.meets && value.measured) {
            TextBuilder &text = reasons.next();
            text << entryName(value.entry) << u' ';
            appendShownText(text, entryText(j.entries, value.entry));
            text << u' ' << entryUnit(value.entry) << u" は基準値未満";
        }
    }
}

// "脂質 (中性脂肪 160 mg/dL ≥ 150 mg/dL、HDL-CHO 38 mg/dL < 40 mg/dL)", or
// the bare name where nothing on screen shows why: the reasons are written
// by `reasons`, and the parentheses taken back if it wrote none.
template <typename Reasons> void appendWithReasons(TextBuilder &text, Criterion criterion, Reasons reasons)
{
    text << criterionName(criterion);
    const qsizetype bare = text.size();
    text << u" (";
    const qsizetype opened = text.size();
    Joined list(text, kListSeparator);
    reasons(list);
    if (text.size() == opened)
        text.truncate(bare);
    else
        text << u')';
}

void appendMetByWhat(TextBuilder &text, const Judgement &j, const CriterionFinding &finding)
{
    appendWithReasons(text, finding.criterion, [&](Joined &reasons) {
        if (finding.metByValues)
            appendValuesMeeting(reasons, j, finding.criterion, LimitKind::SyndromeCriterion);
        if (finding.treated)
            reasons.next() << wordText(Word::DrugTreatment) << wordText(Word::Yes);
    });
}

void appendRuleLine(TextBuilder &line, const QString &reason, const QString &caption)
{
    line << reason << u" → " << caption;
}

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

void appendRiskCount(TextBuilder &text, int count)
{
    text << u"追加リスク";
    text.appendNumber(std::uint64_t(count)) << u"つ";
}

void appendGuidanceRuleReason(TextBuilder &text, const Decision &d)
{
    switch (d.guidanceRule) {
    case GuidanceRule::DrugTreatment: text << u"服薬中のため特定保健指導の対象外"; return;
    case GuidanceRule::NeitherWaistNorBmi: text << u"腹囲・BMI とも基準値未満"; return;
    case GuidanceRule::NoRisk:
    case GuidanceRule::BelowIntensive:
    case GuidanceRule::Intensive:
    case GuidanceRule::OlderBandInPlaceOfIntensive: break;
    }
    if (d.bodySize == BodySize::Waist) {
        text << u"腹囲が基準値以上";
    } else {
        text << u"腹囲が基準値未満で BMI ";
        appendLimitText(text, Entry::Bmi, limitOf(Entry::Bmi, LimitKind::SyndromeCriterion));
        text << u' ' << entryUnit(Entry::Bmi) << u" 以上";
    }
    switch (d.guidanceRule) {
    case GuidanceRule::NoRisk: text << u"、追加リスクなし"; return;
    case GuidanceRule::BelowIntensive:
        text << u"、追加リスク";
        if (d.intensiveFrom > 2)
            text << u"1～";
        text.appendNumber(std::uint64_t(d.intensiveFrom > 2 ? d.intensiveFrom - 1 : 1)) << u"つ";
        return;
    case GuidanceRule::Intensive:
    case GuidanceRule::OlderBandInPlaceOfIntensive:
        text << kListSeparator;
        appendRiskCount(text, d.intensiveFrom);
        text << u"以上";
        if (d.guidanceRule == GuidanceRule::OlderBandInPlaceOfIntensive)
            text << u" (" << ageBandName(AgeBand::From65To74) << u"は積極的支援に該当しても動機付け支援)";
        return;
    case GuidanceRule::DrugTreatment:
    case GuidanceRule::NeitherWaistNorBmi: return;
    }
}

// One line per kind of lack, in screen order.
void appendPrompt(Joined &lines, const QList<MissingEntry> &missing)
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
    if (!emptyStep1.isEmpty())
        lines.next() << u"Step1 未入力: " << emptyStep1.join(kListSeparator);
    if (bmiMissing)
        lines.next() << u"BMI が計算されていません (身長・体重を確認)";
    if (!zeroStep1.isEmpty())
        lines.next() << u"Step1 値が 0: " << zeroStep1.join(kListSeparator)
                     << u" (65歳～74歳の判定では 0 は使えません)";
    if (!emptyStep2.isEmpty()) {
        TextBuilder &line = lines.next();
        line << u"Step2 未入力: " << emptyStep2.join(kListSeparator);
        if (glucosePair)
            line << u" (空腹時血糖・HbA1c はどちらか一方で可)";
    }
}

void appendCriterionName(TextBuilder &text, const CriterionFinding &finding)
{
    text << criterionName(finding.criterion);
}

// "heading: item、item", a line of the criteria that hold, if any do; each
// item written by `item`.
template <typename Holds, typename Item>
void appendCriteriaLine(Joined &lines, const CriterionFindings &criteria, QStringView heading, Holds holds, Item item)
{
    if (std::none_of(criteria.begin(), criteria.end(), holds))
        return;
    TextBuilder &line = lines.next();
    line << heading;
    Joined items(line, kListSeparator);
    for (const CriterionFinding &finding : criteria) {
        if (holds(finding))
            item(items.next(), finding);
    }
}

// The class's lines after the first, on the body size.
void appendClassFindings(Joined &lines, const Judgement &j)
{
    // The criteria count only beside a waist at or above its limit.
    if (j.decision.bodySize == BodySize::Waist) {
        appendCriteriaLine(
            lines, j.decision.criteria, u"該当: ", [](const CriterionFinding &f) { return f.met; },
            [&j](TextBuilder &text, const CriterionFinding &f) { appendMetByWhat(text, j, f); });
        appendCriteriaLine(
            lines, j.decision.criteria, u"該当なし: ", [](const CriterionFinding &f) { return !f.met; },
            appendCriterionName);
    }
    appendRuleLine(lines.next(), classRuleReason(j.decision), j.syndromeClassCaption());
}

// The guidance level's lines after the first, on the body size.
void appendGuidanceFindings(Joined &lines, const Judgement &j)
{
    const Decision &d = j.decision;

    TextBuilder &risks = lines.next();
    if (d.riskCount == 0) {
        risks << u"追加リスクなし";
    } else {
        appendRiskCount(risks, d.riskCount);
        risks << u": ";
        Joined counted(risks, kListSeparator);
        for (const CriterionFinding &finding : d.criteria) {
            if (finding.risk)
                appendWithReasons(counted.next(), finding.criterion, [&](Joined &reasons) {
                    appendValuesMeeting(reasons, j, finding.criterion, LimitKind::GuidanceRisk);
                });
        }
        if (d.smokingCounted)
            counted.next() << wordText(Word::Smoking);
    }
    appendCriteriaLine(
        lines, d.criteria, u"リスクなし: ", [](const CriterionFinding &f) { return !f.risk; }, appendCriterionName);
    lines.next() << smokingLine(j);
    static const QString treatedHeading = wordText(Word::DrugTreatment) + wordText(Word::Yes) + QStringLiteral(": ");
    appendCriteriaLine(
        lines, d.criteria, treatedHeading, [](const CriterionFinding &f) { return f.treated; }, appendCriterionName);
    TextBuilder &rule = lines.next();
    rule << ageBandName(d.band) << u": ";
    appendGuidanceRuleReason(rule, d);
    rule << u" → " << j.guidanceCaption();
}

// One result's explanation: the lines of its prompt where the label shows
// one; else the line on the body size, then the result's own findings.
using Findings = void (*)(Joined &lines, const Judgement &j);

void appendExplanation(TextBuilder &text, const Judgement &j, QStringView lineBreak, const QList<MissingEntry> &missing,
                       Findings findings)
{
    Joined lines(text, lineBreak);
    if (promptFor(missing)) {
        appendPrompt(lines, missing);
        return;
    }
    appendBodySize(lines.next(), j);
    findings(lines, j);
}

} // namespace

void appendExplanations(TextBuilder &syndromeClass, TextBuilder &guidance, const Judgement &j, QStringView lineBreak)
{
    if (j.classPrompt() || j.guidancePrompt()) {
        appendExplanation(syndromeClass, j, lineBreak, j.missingForClass, appendClassFindings);
        appendExplanation(guidance, j, lineBreak, j.missingForGuidance, appendGuidanceFindings);
        return;
    }
    Joined classLines(syndromeClass, lineBreak), guidanceLines(guidance, lineBreak);
    TextBuilder &bodySize = classLines.next();
    const qsizetype from = bodySize.size();
    appendBodySize(bodySize, j);
    guidanceLines.next() << bodySize.view().sliced(from);
    appendClassFindings(classLines, j);
    appendGuidanceFindings(guidanceLines, j);
}
