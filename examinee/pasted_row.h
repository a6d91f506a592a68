#pragma once

#include "examinee/examinee.h"

#include <QString>

#include <variant>

// The clipboard as the desk pastes one examinee into the window: one row
// that Kalvemo copied (with or without its heading line, as its two copies
// make it), or a heading line and rows from a spreadsheet, with the headings
// a day's list may have. Of several rows the first is taken.
struct PastedRow {
    Examinee examinee;
    bool moreRows = false; // rows after the first were left
};

// Why nothing can be pasted: the heading of the cell at fault (empty when
// it is the text as a whole) and what is wrong, in the desk's words.
using PasteProblem = RowProblem;

std::variant<PastedRow, PasteProblem> pastedRowOf(const QString &clipboardText);
