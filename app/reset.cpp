#include "app/reset.h"

#include "judgement/colours.h"

void Command3_Click(FormControls &form)
{
    for (const Field field : {Field::Text1, Field::Text2, Field::Text4, Field::Text5, Field::Text6, Field::Text7,
                              Field::Text9, Field::Text10, Field::Text12})
        form.setText(field, QString());

    for (const Readout label : {Readout::Label30, Readout::Label37, Readout::Label15})
        form.setCaption(label, QString());
    form.clearJudgedRecord();

    for (const Option option : {Option::Option1, Option::Option5, Option::Option9, Option::Option7, Option::Option3})
        form.select(option);

    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, kBlack);

    form.setFocus(Option::Option5);
}
