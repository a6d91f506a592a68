#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

JudgementWords wordsFor(const Judgement &judged)
{
    const QStringList toCheck = valuesToCheckLines(judged);
    const auto withValuesToCheck = [&](const QString &explanation) {
        return toCheck.isEmpty() ? explanation : toCheck.join(u'\n') + u'\n' + explanation;
    };
    return {withValuesToCheck(classExplanation(judged)), withValuesToCheck(guidanceExplanation(judged)),
            judgedRecordRow(judged)};
}
