#pragma once

#include "daylist/command_line.h"

// Judges the day's list the command line names, writes the result and tells
// the summary on standard error; the exit status.
int judgeDayList(const CommandLine &commandLine);
