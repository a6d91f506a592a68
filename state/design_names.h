#pragma once

#include "state/indicator_store.h"

#include <array>
#include <cstddef>

// The design name of every control that the code refers to by key: the
// widget's objectName, the name that tests and accessibility tools find it
// by, and (for an indicator) the text it holds until first written. Each
// name is written here once; everything else looks it up by the key.

// The controls that the handlers read and write, keyed by their design
// names; a count follows its enum.

// The numeric entry fields, in the order of the Enter chain.
enum class Field { Text9, Text10, Text12, Text1, Text2, Text6, Text7, Text4, Text5 };
inline constexpr std::size_t kFieldCount = std::size_t(Field::Text5) + 1;

// The visible labels that the handlers write: the BMI display and the two
// result labels.
enum class Readout { Label30, Label37, Label15 };
inline constexpr std::size_t kReadoutCount = std::size_t(Readout::Label15) + 1;

// clang-format off
enum class Option {
    Option1, Option2, Option3, Option4, Option5,
    Option6, Option7, Option8, Option9, Option10,
};
// clang-format on
inline constexpr std::size_t kOptionCount = std::size_t(Option::Option10) + 1;

// The judgement buttons and Reset. The handlers never touch them; the window
// routes their clicks.
enum class Command { Command1, Command2, Command3 };
inline constexpr std::size_t kCommandCount = std::size_t(Command::Command3) + 1;

// clang-format off
constexpr const char *designName(Field field)
{
    constexpr std::array<const char *, kFieldCount> names = {
        "Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5",
    };
    return names[std::size_t(field)];
}

// The label beside each field that captions it.
constexpr const char *captionLabelName(Field field)
{
    constexpr std::array<const char *, kFieldCount> names = {
        "Label1", "Label2", "Label18", "Label9", "Label22", "Label20", "Label8", "Label5", "Label6",
    };
    return names[std::size_t(field)];
}

constexpr const char *designName(Readout readout)
{
    constexpr std::array<const char *, kReadoutCount> names = {"Label30", "Label37", "Label15"};
    return names[std::size_t(readout)];
}

constexpr const char *designName(Option option)
{
    constexpr std::array<const char *, kOptionCount> names = {
        "Option1", "Option2", "Option3", "Option4", "Option5",
        "Option6", "Option7", "Option8", "Option9", "Option10",
    };
    return names[std::size_t(option)];
}

constexpr const char *designName(Command command)
{
    constexpr std::array<const char *, kCommandCount> names = {"Command1", "Command2", "Command3"};
    return names[std::size_t(command)];
}

constexpr const char *designName(Indicator indicator)
{
    constexpr std::array<const char *, kIndicatorCount> names = {
        "Label4", "Label40", "Label44", "Label47",
        "Label10", "Label39", "Label43", "Label46",
        "Label7", "Label38", "Label42", "Label45",
        "Label29", "Label13",
    };
    return names[std::size_t(indicator)];
}
// clang-format on

// What the option buttons mean, beside their design names: the code says
// "female" or "lipid drug treatment" where it means them.
namespace Choice {
inline constexpr Option kNonSmoker = Option::Option1;
inline constexpr Option kSmoker = Option::Option2;
inline constexpr Option kNoGlucoseDrugs = Option::Option3;
inline constexpr Option kGlucoseDrugs = Option::Option4;
inline constexpr Option kMale = Option::Option5;
inline constexpr Option kFemale = Option::Option6;
inline constexpr Option kNoLipidDrugs = Option::Option7;
inline constexpr Option kLipidDrugs = Option::Option8;
inline constexpr Option kNoBloodPressureDrugs = Option::Option9;
inline constexpr Option kBloodPressureDrugs = Option::Option10;
} // namespace Choice

// The five option groups, each a frame of two buttons, one of them selected.
// The start choice is what a new window and Reset select; this table is in
// the order in which Reset selects them.
struct OptionGroup {
    Option startChoice;
    Option otherChoice;
};
// clang-format off
inline constexpr std::array<OptionGroup, kOptionCount / 2> kOptionGroups = {{
    {Choice::kNonSmoker,            Choice::kSmoker},
    {Choice::kMale,                 Choice::kFemale},
    {Choice::kNoBloodPressureDrugs, Choice::kBloodPressureDrugs},
    {Choice::kNoLipidDrugs,         Choice::kLipidDrugs},
    {Choice::kNoGlucoseDrugs,       Choice::kGlucoseDrugs},
}};
// clang-format on

// The order in which Reset empties the fields: every field once.
inline constexpr std::array kFieldsInResetOrder = {Field::Text1, Field::Text2,  Field::Text4,
                                                   Field::Text5, Field::Text6,  Field::Text7,
                                                   Field::Text9, Field::Text10, Field::Text12};

constexpr bool everyFieldOnceInResetOrder()
{
    if (kFieldsInResetOrder.size() != kFieldCount)
        return false;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        int seen = 0;
        for (const Field field : kFieldsInResetOrder)
            seen += field == Field(i);
        if (seen != 1)
            return false;
    }
    return true;
}
static_assert(everyFieldOnceInResetOrder(), "Reset empties every field, each once");

// Every option button belongs to exactly one group.
constexpr bool everyOptionInOneGroup()
{
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        int groups = 0;
        for (const OptionGroup &group : kOptionGroups)
            groups += (group.startChoice == Option(i)) + (group.otherChoice == Option(i));
        if (groups != 1)
            return false;
    }
    return true;
}
static_assert(everyOptionInOneGroup(), "each option button in exactly one option group");

// Where a new window and Reset put the focus: the first stop of the tab
// order, the sex group at its start choice.
inline constexpr Option kFirstFocus = Choice::kMale;

constexpr bool isStartChoice(Option option)
{
    for (const OptionGroup &group : kOptionGroups) {
        if (group.startChoice == option)
            return true;
    }
    return false;
}
