#pragma once

#include "daylist/command_line.h"
#include "daylist/exit_status.h"
#include "daylist/input_kind.h"
#include "daylist/report_totals.h"

#include <QString>

#include <vector>

// Judges the national files of the inputs (archives, folders or single
// checkup files, each as it was told: isNational(told.kind), read on from
// the file it left open) the command line names into one
// list, written as UTF-8 CSV with a byte order mark, and tells one summary
// on standard error; the run's status. An input that cannot be judged at
// all is told and makes the status 2, the others' list still written. Each
// file's row is added to the report's totals, where there are any.
RunStatus judgeNationalFiles(const CommandLine &line, std::vector<NamedInput> inputs, ReportTotals *report = nullptr);

// "<name>_判定.csv" beside the input: its name without the extension, a
// folder's whole name.
QString nationalOutputPath(const QString &input);
