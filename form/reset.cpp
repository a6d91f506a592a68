#include "form/reset.h"

#include "judgement/colours.h"
#include "state/design_names.h"

void Command3_Click(FormControls &form)
{
    for (const Field field : kFieldsInResetOrder)
        form.setText(field, QString());

    for (const Readout label : {Readout::Label30, Readout::Label37, Readout::Label15})
        form.setCaption(label, QString());

    // Every option group back to its start choice (kOptionGroups is in the
    // order in which Reset selects them).
    for (const OptionGroup &group : kOptionGroups)
        form.select(group.startChoice);

    for (const Entry entry : kMarkedEntries)
        setMarkColour(form, entry, kBlack);

    form.setFocus(kFirstFocus);
}
