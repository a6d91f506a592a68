#pragma once

#include "judgement/entries.h"
#include "state/form_controls.h"

#include <array>
#include <variant>

// How a judgement marks each measured value: red at the guidance limit,
// magenta where glucose or HbA1c also meets the syndrome criterion, blue for
// a low (or missing) HDL, black otherwise. Empty values count as 0.
struct MarkColours {
    Rgb systolic;       // Text1
    Rgb diastolic;      // Text2
    Rgb triglycerides;  // Text6
    Rgb hdl;            // Text7
    Rgb fastingGlucose; // Text4
    Rgb hba1c;          // Text5
    Rgb bmi;            // Label30
    Rgb waist;          // Text12
};

MarkColours markColours(const EntrySnapshot &entries, const EntryValues &values);

// The controls that a judgement marks, each with its colour, in the order in
// which they are marked. Reset turns the same controls black in the same
// order.
using MarkedControl = std::variant<Field, Readout>;
struct MarkedValue {
    MarkedControl control;
    Rgb MarkColours::*colour;
};
inline constexpr std::array kMarkedValues = std::to_array<MarkedValue>({
    {Field::Text1, &MarkColours::systolic},
    {Field::Text2, &MarkColours::diastolic},
    {Field::Text6, &MarkColours::triglycerides},
    {Field::Text7, &MarkColours::hdl},
    {Field::Text4, &MarkColours::fastingGlucose},
    {Field::Text5, &MarkColours::hba1c},
    {Readout::Label30, &MarkColours::bmi},
    {Field::Text12, &MarkColours::waist},
});

void setMarkColour(FormControls &form, MarkedControl control, Rgb colour);
