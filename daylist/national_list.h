#pragma once

#include "daylist/command_line.h"

#include <QString>

// Judges the national files the command line names (an archive, a folder or
// one checkup file), writes their list as UTF-8 CSV with a byte order mark
// and tells the summary on standard error; the exit status.
int judgeNationalFiles(const CommandLine &line);

// "<name>_判定.csv" beside the input: its name without the extension, a
// folder's whole name.
QString nationalOutputPath(const QString &input);
