#pragma once

#include "daylist/command_line.h"
#include "daylist/report_totals.h"

#include <QIODevice>

// Judges the day's list the command line names, writes the result and tells
// the summary on standard error; the exit status. Each row is added to the
// report's totals, where there are any.
int judgeDayList(const CommandLine &commandLine, ReportTotals *report = nullptr);
// The same for the input open already (a file, or a stream read into
// memory), read from its start.
int judgeDayList(const CommandLine &commandLine, QIODevice &input, ReportTotals *report = nullptr);
