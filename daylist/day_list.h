#pragma once

#include "daylist/command_line.h"
#include "daylist/report_totals.h"
#include "daylist/summary.h"

#include <QIODevice>

// Judges the day's list the command line names, writes the result and tells
// the summary on standard error; the exit status. Each row is added to the
// report's totals, where there are any.
int judgeDayList(const CommandLine &commandLine, ReportTotals *report = nullptr);
// The list open already (a file, or a stream read into memory), read from
// its start: its summary is added to `summary` once its result is left, for
// the run to tell once for all its lists.
int judgeDayList(const CommandLine &commandLine, QIODevice &input, Summary &summary, ReportTotals *report = nullptr);
