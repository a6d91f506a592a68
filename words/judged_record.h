#pragma once

#include "judgement/judgement.h"
#include "words/text_builder.h"

#include <QString>
#include <QStringList>

// A judgement put into the desk's words: why each result label shows what it
// shows, and the examinee's row as judged, offered for copying.
struct JudgementWords {
    QString classExplanation;    // Label37
    QString guidanceExplanation; // Label15
    QStringList record;
    friend bool operator==(const JudgementWords &, const JudgementWords &) = default;
};

// The values to check come first in both explanations: they may be why a
// result surprises.
JudgementWords wordsFor(const Judgement &judged);

// The two explanations of wordsFor(), each appended to its text with
// `lineBreak` between its lines.
void appendJudgementExplanations(TextBuilder &syndromeClass, TextBuilder &guidance, const Judgement &judged,
                                 QStringView lineBreak);
