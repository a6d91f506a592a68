#include "app/reset.h"

#include "judgement/colours.h"
#include "state/design_names.h"

#include <algorithm>
#include <array>

namespace {

// The order in which Reset empties the fields; every field once.
constexpr std::array kFieldsEmptied = {Field::Text1, Field::Text2, Field::Text4,  Field::Text5, Field::Text6,
                                       Field::Text7, Field::Text9, Field::Text10, Field::Text12};

constexpr bool everyFieldOnce()
{
    if (kFieldsEmptied.size() != kFieldCount)
        return false;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (std::count(kFieldsEmptied.begin(), kFieldsEmptied.end(), Field(i)) != 1)
            return false;
    }
    return true;
}
static_assert(everyFieldOnce(), "Reset empties every field, each once");

} // namespace

void Command3_Click(FormControls &form)
{
    for (const Field field : kFieldsEmptied)
        form.setText(field, QString());

    for (const Readout label : {Readout::Label30, Readout::Label37, Readout::Label15})
        form.setCaption(label, QString());
    form.clearJudgedRecord();

    // Every option group back to its start choice (kOptionGroups is in the
    // order in which Reset selects them).
    for (const OptionGroup &group : kOptionGroups)
        form.select(group.startChoice);

    for (const MarkedValue &marked : kMarkedValues)
        setMarkColour(form, marked.control, kBlack);

    form.setFocus(kFirstFocus);
}
