#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

JudgementWords wordsFor(const Judgement &judged)
{
    TextBuilder syndromeClass, guidance;
    appendJudgementExplanations(syndromeClass, guidance, judged, u"\n");
    return {syndromeClass.toString(), guidance.toString(), judgedRecordRow(judged)};
}

void appendJudgementExplanations(TextBuilder &syndromeClass, TextBuilder &guidance, const Judgement &judged,
                                 QStringView lineBreak)
{
    for (const ValueToCheck &doubt : judged.findings.toCheck) {
        const QString line = valueToCheckText(judged.entries, doubt);
        syndromeClass << line << lineBreak;
        guidance << line << lineBreak;
    }
    appendExplanations(syndromeClass, guidance, judged, lineBreak);
}
