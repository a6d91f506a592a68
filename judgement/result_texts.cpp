#include "judgement/result_texts.h"

QString captionOf(ClassRule rule)
{
    switch (rule) {
    case ClassRule::WaistBelowLimit:
    case ClassRule::WaistAndNoCriterion: return QStringLiteral("３ 非該当");
    case ClassRule::WaistAndOneCriterion: return QStringLiteral("２ 予備群該当");
    case ClassRule::WaistAndTwoOrMore: return QStringLiteral("１ 基準該当");
    }
    return {};
}

QString captionOf(GuidanceRule rule)
{
    switch (rule) {
    case GuidanceRule::DrugTreatment:
    case GuidanceRule::NeitherWaistNorBmi: return QStringLiteral("３ なし");
    case GuidanceRule::NoRisk: return QStringLiteral("３ なし(情報提供レベル)");
    case GuidanceRule::BelowIntensive:
    case GuidanceRule::OlderBandInPlaceOfIntensive: return QStringLiteral("２ 動機付け支援");
    case GuidanceRule::Intensive: return QStringLiteral("１ 積極的支援");
    }
    return {};
}

QString captionOf(Prompt prompt)
{
    return prompt == Prompt::EnterStep1 ? QStringLiteral("Step1を入力してください")
                                        : QStringLiteral("Step2を入力してください");
}
