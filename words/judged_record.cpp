#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

#include <QStringBuilder>

namespace {

// Room for a usual explanation, so that it grows in one step.
constexpr qsizetype kUsualExplanationLength = 256;

} // namespace

JudgementWords wordsFor(const Judgement &judged)
{
    Explanations explained = explanationsFor(judged, u"\n");
    return {std::move(explained.syndromeClass), std::move(explained.guidance), judgedRecordRow(judged)};
}

Explanations explanationsFor(const Judgement &judged, QStringView lineBreak)
{
    QString toCheck;
    for (const QString &line : valuesToCheckLines(judged))
        toCheck += line % lineBreak;
    Explanations explained{toCheck, toCheck};
    explained.syndromeClass.reserve(kUsualExplanationLength);
    appendClassExplanation(explained.syndromeClass, judged, lineBreak);
    explained.guidance.reserve(kUsualExplanationLength);
    appendGuidanceExplanation(explained.guidance, judged, lineBreak);
    return explained;
}
