#include "judgement/explanation_text.h"

#include "state/limits.h"

#include <QStringList>

namespace {

const QString kListSeparator = QStringLiteral("、");

QString withUnit(const QString &number, Entry entry)
{
    const QString unit = entryUnit(entry);
    return unit.isEmpty() ? number : number + u' ' + unit;
}

QString bodySizeLine(const BodySizeFinding &body)
{
    QString line = comparisonText(body.waist) + QStringLiteral(" (") + sexName(body.female) + u')';
    if (body.bmi)
        line += kListSeparator + comparisonText(*body.bmi);
    return line;
}

// "脂質 (中性脂肪 160 ≥ 150、HDL-CHO 38 < 40)", or the bare name where
// nothing on screen shows why.
QString withReasons(Criterion criterion, const QStringList &reasons)
{
    if (reasons.isEmpty())
        return criterionName(criterion);
    return criterionName(criterion) + QStringLiteral(" (") + reasons.join(kListSeparator) + u')';
}

QStringList comparisonTexts(const QList<Comparison> &comparisons)
{
    QStringList texts;
    for (const Comparison &comparison : comparisons)
        texts << comparisonText(comparison);
    return texts;
}

QString metByWhat(const CriterionFinding &finding)
{
    QStringList reasons;
    if (finding.metByValues)
        reasons << comparisonTexts(finding.syndromeValues);
    if (finding.treated)
        reasons << QStringLiteral("薬剤治療あり");
    return withReasons(finding.criterion, reasons);
}

QString ruleLine(const QString &reason, const QString &caption) { return reason + QStringLiteral(" → ") + caption; }

QString classRuleReason(const ClassExplanation &why)
{
    switch (why.rule) {
    case ClassRule::WaistBelowLimit:
        return why.bodySize.size == BodySize::BmiOnly ? QStringLiteral("腹囲が基準未満 (BMI だけでは該当しない)")
                                                      : QStringLiteral("腹囲が基準未満");
    case ClassRule::WaistAndNoCriterion: return QStringLiteral("腹囲が基準以上、該当項目なし");
    case ClassRule::WaistAndOneCriterion: return QStringLiteral("腹囲が基準以上で 1 項目に該当");
    case ClassRule::WaistAndTwoOrMore: return QStringLiteral("腹囲が基準以上で 2 項目以上に該当");
    }
    return {};
}

QString classText(const ClassExplanation &why)
{
    QStringList lines{bodySizeLine(why.bodySize)};
    // The criteria count only beside a waist at or above its limit.
    if (why.bodySize.size == BodySize::Waist) {
        QStringList met, notMet;
        for (const CriterionFinding &finding : why.criteria) {
            if (finding.met)
                met << metByWhat(finding);
            else
                notMet << criterionName(finding.criterion);
        }
        if (!met.isEmpty())
            lines << QStringLiteral("該当: ") + met.join(kListSeparator);
        if (!notMet.isEmpty())
            lines << QStringLiteral("該当なし: ") + notMet.join(kListSeparator);
    }
    lines << ruleLine(classRuleReason(why), captionOf(why.rule));
    return lines.join(u'\n');
}

QString smokingLine(const SmokingFinding &smoking)
{
    if (smoking.counted)
        return QStringLiteral("喫煙: あり (ほかのリスクがあるため数える)");
    if (smoking.smoker)
        return QStringLiteral("喫煙: あり (ほかのリスクがないため数えない)");
    return QStringLiteral("喫煙: なし (数えない)");
}

QString guidanceRuleReason(const GuidanceExplanation &why)
{
    const QString bodySize =
        why.bodySize.size == BodySize::Waist
            ? QStringLiteral("腹囲が基準以上")
            : QStringLiteral("腹囲が基準未満で BMI ") + limitText(Entry::Bmi, kBmiLimit) + QStringLiteral(" 以上");
    const QString intensiveCount = QStringLiteral("追加リスク %1 以上").arg(why.intensiveFrom);
    switch (why.rule) {
    case GuidanceRule::DrugTreatment: return QStringLiteral("薬剤治療中のため保健指導は医師に委ねる");
    case GuidanceRule::NeitherWaistNorBmi: return QStringLiteral("腹囲・BMI とも基準未満");
    case GuidanceRule::NoRisk: return bodySize + QStringLiteral("、追加リスクなし");
    case GuidanceRule::BelowIntensive:
        return bodySize + QStringLiteral("、追加リスク ")
               + (why.intensiveFrom > 2 ? QStringLiteral("1～%1").arg(why.intensiveFrom - 1) : QStringLiteral("1"));
    case GuidanceRule::Intensive: return bodySize + QStringLiteral("、") + intensiveCount;
    case GuidanceRule::OlderBandInPlaceOfIntensive:
        return bodySize + QStringLiteral("、") + intensiveCount + QStringLiteral(" (")
               + ageBandName(AgeBand::From40To64) + QStringLiteral("なら積極的支援)");
    }
    return {};
}

QString guidanceText(const GuidanceExplanation &why)
{
    QStringList counted, notCounted, treated;
    for (const CriterionFinding &finding : why.criteria) {
        if (finding.risk)
            counted << withReasons(finding.criterion, comparisonTexts(finding.riskValues));
        else
            notCounted << criterionName(finding.criterion);
        if (finding.treated)
            treated << criterionName(finding.criterion);
    }
    if (why.smoking.counted)
        counted << QStringLiteral("喫煙");

    QStringList lines{bodySizeLine(why.bodySize)};
    lines << QStringLiteral("追加リスク %1").arg(why.riskCount())
                 + (counted.isEmpty() ? QString() : QStringLiteral(": ") + counted.join(kListSeparator));
    if (!notCounted.isEmpty())
        lines << QStringLiteral("リスクなし: ") + notCounted.join(kListSeparator);
    lines << smokingLine(why.smoking);
    if (!treated.isEmpty())
        lines << QStringLiteral("薬剤治療あり: ") + treated.join(kListSeparator);
    lines << ageBandName(why.band) + QStringLiteral(": ") + ruleLine(guidanceRuleReason(why), captionOf(why.rule));
    return lines.join(u'\n');
}

// One line per step and kind of lack, in screen order.
QString promptText(const PromptExplanation &why)
{
    struct Group {
        const char *heading;
        bool step1;
        Lack lack;
        bool bmi;
        const char *note;
    };
    // clang-format off
    static constexpr Group kGroups[] = {
        {"Step1 未入力: ", true,  Lack::Empty,     false, ""},
        {"Step1 未表示: ", true,  Lack::Empty,     true,  ""},
        {"Step1 値が 0: ", true,  Lack::ReadsZero, false, " (65歳～74歳では 0 は不可)"},
        {"Step2 未入力: ", false, Lack::Empty,     false, ""},
    };
    // clang-format on
    QStringList lines;
    for (const Group &group : kGroups) {
        QStringList names;
        bool glucosePair = false;
        for (const MissingEntry &missing : why.missing) {
            if (isStep1(missing.entry) == group.step1 && missing.lack == group.lack
                && (missing.entry == Entry::Bmi) == group.bmi) {
                names << entryName(missing.entry);
                glucosePair = glucosePair || missing.entry == Entry::FastingGlucose;
            }
        }
        if (names.isEmpty())
            continue;
        QString line = QString::fromUtf8(group.heading) + names.join(kListSeparator) + QString::fromUtf8(group.note);
        // Either glucose value is enough; both are named only when both are empty.
        if (glucosePair)
            line += QStringLiteral(" (血糖はどちらか一方でよい)");
        lines << line;
    }
    return lines.join(u'\n');
}

template <typename Why> QString textOf(const Why &why)
{
    return std::visit(
        [](const auto &about) -> QString {
            using About = std::decay_t<decltype(about)>;
            if constexpr (std::is_same_v<About, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<About, PromptExplanation>)
                return promptText(about);
            else if constexpr (std::is_same_v<About, ClassExplanation>)
                return classText(about);
            else
                return guidanceText(about);
        },
        why);
}

} // namespace

QString comparisonText(const Comparison &c)
{
    const QString relation = c.atOrAbove ? QStringLiteral(" ≥ ") : QStringLiteral(" < ");
    return entryName(c.entry) + u' ' + withUnit(c.shown, c.entry) + relation
           + withUnit(limitText(c.entry, c.limit), c.entry);
}

QString explanationText(const SyndromeClassWhy &why) { return textOf(why); }

QString explanationText(const GuidanceWhy &why) { return textOf(why); }
