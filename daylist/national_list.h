#pragma once

#include "daylist/command_line.h"
#include "daylist/input_kind.h"
#include "daylist/report_totals.h"

#include <QString>

// Judges the national files the command line names (an archive, a folder or
// one checkup file), writes their list as UTF-8 CSV with a byte order mark
// and tells the summary on standard error; the exit status. The input is
// read as it was told (isNational(input.kind)), from the file it left open.
// Each file's row is added to the report's totals, where there are any.
int judgeNationalFiles(const CommandLine &line, ClassifiedInput input, ReportTotals *report = nullptr);

// "<name>_判定.csv" beside the input: its name without the extension, a
// folder's whole name.
QString nationalOutputPath(const QString &input);
