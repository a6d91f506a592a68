#pragma once

#include "judgement/judgement.h"
#include "words/text_builder.h"

#include <QString>

// Why each result label shows what it shows, in the words of the national
// programme, one finding per line, with the examinee's values and the limits
// they were held against, for example
//   腹囲 95 cm ≥ 85 cm (男性)
//   該当: 血圧 (最高血圧 142 mmHg ≥ 130 mmHg)、脂質 (中性脂肪 160 mg/dL ≥ 150 mg/dL)
//   該当なし: 血糖
//   腹囲が基準値以上で2項目以上に該当 → １ 基準該当
// Everything here is said of what the judgement returned; nothing is decided
// again. A prompt is explained by the entries the checks found missing. The
// texts hold no ASCII ">" (the relation is written "≥"), so that a tooltip
// never takes them for rich text and keeps their line breaks.
// Both explanations, each appended to its own text with `lineBreak` between
// the lines (" / " where a line of a file must stay one cell); the line they
// both begin with, on the body size, is worded once.
void appendExplanations(TextBuilder &syndromeClass, TextBuilder &guidance, const Judgement &judged,
                        QStringView lineBreak);
