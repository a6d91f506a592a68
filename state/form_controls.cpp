#include "state/form_controls.h"

#include "state/numeric_value.h"

double FormControls::value(Field field) const { return NumericValue(text(field)); }

double FormControls::value(Readout label) const { return NumericValue(caption(label)); }

void FormControls::clearJudgedRecord()
{
    setExplanation(Readout::Label37, QString());
    setExplanation(Readout::Label15, QString());
    keepJudgedRecord(QStringList());
}
