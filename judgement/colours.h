#pragma once

#include "judgement/entries.h"
#include "state/form_controls.h"

#include <array>

// How a judgement marks each measured value: red at the guidance limit,
// magenta where glucose or HbA1c also meets the syndrome criterion, blue for
// a low (or missing) HDL, black otherwise. Empty values count as 0.
using MarkColours = std::array<Rgb, kEntryCount>; // by Entry

MarkColours markColours(const EntrySnapshot &entries, const EntryValues &values);

// The entries that a judgement marks, in the order in which their controls
// are marked. Reset turns the same controls black in the same order.
inline constexpr std::array kMarkedEntries = {
    Entry::Systolic,       Entry::Diastolic, Entry::Triglycerides, Entry::Hdl,
    Entry::FastingGlucose, Entry::Hba1c,     Entry::Bmi,           Entry::Waist,
};

// Colours the control that shows the entry.
void setMarkColour(FormControls &form, Entry entry, Rgb colour);
