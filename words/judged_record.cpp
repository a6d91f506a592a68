#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

JudgementWords wordsFor(const Judgement &judged)
{
    Explanations explained = explanationsFor(judged, u"\n");
    return {std::move(explained.syndromeClass), std::move(explained.guidance), judgedRecordRow(judged)};
}

Explanations explanationsFor(const Judgement &judged, QStringView lineBreak)
{
    TextBuilder toCheck;
    for (const QString &line : valuesToCheckLines(judged))
        toCheck << line << lineBreak;
    TextBuilder syndromeClass = toCheck;
    appendClassExplanation(syndromeClass, judged, lineBreak);
    TextBuilder guidance = toCheck;
    appendGuidanceExplanation(guidance, judged, lineBreak);
    return {syndromeClass.toString(), guidance.toString()};
}
