#include "words/judged_record.h"

#include "words/explanation.h"
#include "words/record_row.h"

void describeJudgement(FormControls &form, const Judgement &judged)
{
    form.setExplanation(Readout::Label37, classExplanation(judged));
    form.setExplanation(Readout::Label15, guidanceExplanation(judged));
    form.keepJudgedRecord(judgedRecordRow(judged));
}
