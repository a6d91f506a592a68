#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

JudgementWords wordsFor(const Judgement &judged)
{
    const auto explanation = [&judged](Explained which) {
        TextBuilder text;
        appendExplanation(text, judged, which, u"\n");
        return text.toString();
    };
    return {explanation(Explained::SyndromeClass), explanation(Explained::Guidance), judgedRecordRow(judged)};
}

void appendExplanation(TextBuilder &text, const Judgement &judged, Explained which, QStringView lineBreak)
{
    for (const ValueToCheck &doubt : judged.findings.toCheck)
        text << valueToCheckText(judged.entries, doubt) << lineBreak;
    if (which == Explained::SyndromeClass)
        appendClassExplanation(text, judged, lineBreak);
    else
        appendGuidanceExplanation(text, judged, lineBreak);
}
