#pragma once

#include "judgement/entries.h"
#include "state/form_controls.h"

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

MarkColours markColours(const EntrySnapshot &entries);
