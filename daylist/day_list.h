#pragma once

#include "daylist/command_line.h"
#include "daylist/report_totals.h"

// Judges the day's list the command line names, writes the result and tells
// the summary on standard error; the exit status. Each row is added to the
// report's totals, where there are any.
int judgeDayList(const CommandLine &commandLine, ReportTotals *report = nullptr);
