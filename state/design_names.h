#pragma once

#include "state/form_controls.h"
#include "state/indicator_store.h"

#include <array>

// The design name of every control that the code refers to by key: the
// widget's objectName, the name that tests and accessibility tools find it
// by, and (for an indicator) the text it holds until first written. Each
// name is written here once; everything else looks it up by the key.

// clang-format off
constexpr const char *designName(Field field)
{
    constexpr std::array<const char *, kFieldCount> names = {
        "Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5",
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
