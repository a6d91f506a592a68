#pragma once

#include "daylist/command_line.h"

// The exit statuses of kalvemo-judge.
enum ExitStatus { kAllJudged = 0, kSomeNotJudged = 1, kCannotJudge = 2 };

// Tells on standard error why the input (named, where `file` is not empty)
// cannot be judged; the exit status for it.
int cannotJudge(const QString &file, const QString &message);

// Judges the day's list the command line names, writes the result and tells
// the summary on standard error.
int judgeDayList(const CommandLine &commandLine);

// The command line as the program receives it, from usage to exit status.
int runKalvemoJudge(const QStringList &arguments);
