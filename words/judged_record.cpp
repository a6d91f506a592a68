#include "words/judged_record.h"

#include "words/attention.h"
#include "words/explanation.h"
#include "words/record_row.h"

void describeJudgement(FormControls &form, const Judgement &judged)
{
    // The values to check come first: they may be why a result surprises.
    const QStringList toCheck = valuesToCheckLines(judged);
    const auto withValuesToCheck = [&](const QString &explanation) {
        return toCheck.isEmpty() ? explanation : toCheck.join(u'\n') + u'\n' + explanation;
    };
    form.setExplanation(Readout::Label37, withValuesToCheck(classExplanation(judged)));
    form.setExplanation(Readout::Label15, withValuesToCheck(guidanceExplanation(judged)));
    form.keepJudgedRecord(judgedRecordRow(judged));
}
