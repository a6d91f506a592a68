#pragma once

#include "judgement/entries.h"
#include "state/form_controls.h"

#include <algorithm>
#include <array>
#include <cstddef>

// How a judgement marks each measured value: red at the guidance limit,
// magenta where glucose or HbA1c also meets the syndrome criterion, blue for
// a low (or missing) HDL, black otherwise. Empty values count as 0.
using MarkColours = std::array<Rgb, kEntryCount>; // by Entry

MarkColours markColours(const EntrySnapshot &entries, const EntryValues &values);

// The entries that a judgement marks, in the order in which their controls
// are marked: every item that feeds a rule, the blood values (Step2) before
// the body's (Step1), each step in catalogue order. Reset turns the same
// controls black in the same order.
inline constexpr auto kMarkedEntries = [] {
    constexpr auto marked = [](const MeasuredItem &item) { return item.limits.feedsRule; };
    std::array<Entry, std::ranges::count_if(kMeasuredItems, marked)> entries{};
    std::size_t n = 0;
    for (const int step : {2, 1}) {
        for (const MeasuredItem &item : kMeasuredItems) {
            if (marked(item) && item.step == step)
                entries[n++] = item.entry;
        }
    }
    return entries;
}();

// Colours the control that shows the entry.
void setMarkColour(FormControls &form, Entry entry, Rgb colour);
