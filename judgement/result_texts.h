#pragma once

#include <QString>

// Captions of the result labels, character for character: a full-width digit,
// one ASCII space, the Japanese wording; ASCII parentheses.
namespace ResultText {
// Metabolic-syndrome class (Label37).
inline const QString kMeetsCriteria = QStringLiteral("１ 基準該当");
inline const QString kPreSyndrome = QStringLiteral("２ 予備群該当");
inline const QString kNotMet = QStringLiteral("３ 非該当");
// Level of specific health guidance (Label15).
inline const QString kIntensiveSupport = QStringLiteral("１ 積極的支援");
inline const QString kMotivationalSupport = QStringLiteral("２ 動機付け支援");
inline const QString kInformationOnly = QStringLiteral("３ なし(情報提供レベル)");
inline const QString kNoGuidance = QStringLiteral("３ なし");
// Prompts for missing entries.
inline const QString kEnterStep1 = QStringLiteral("Step1を入力してください");
inline const QString kEnterStep2 = QStringLiteral("Step2を入力してください");
} // namespace ResultText
