#pragma once

#include "judgement/explanation.h"

#include <QString>

// The explanations in the desk's own words, one finding per line, with the
// examinee's values and the limits they were held against, for example
//   腹囲 95 cm ≥ 85 cm (男性)
//   該当: 血圧 (最高血圧 142 ≥ 130)、脂質 (中性脂肪 160 ≥ 150)
//   該当なし: 血糖
//   腹囲が基準以上で 2 項目以上に該当 → １ 基準該当
// Empty where there is nothing to explain. The texts hold no ASCII ">" (the
// relation is written "≥"), so that a tooltip never takes them for rich text
// and keeps their line breaks.
QString explanationText(const SyndromeClassWhy &why);
QString explanationText(const GuidanceWhy &why);

// "最高血圧 142 ≥ 130", "腹囲 80 cm < 85 cm".
QString comparisonText(const Comparison &comparison);
