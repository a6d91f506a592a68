#pragma once

#include <QString>

// What the day's list's console asks of each system, written for it in
// console_posix.cpp and console_windows.cpp (CMake builds the one).

// Writes text for people to the console that standard error (toError) or
// standard output is, and says whether it did. False where that stream is no
// console that takes text other than as bytes: console.cpp then writes the
// text as UTF-8 bytes.
bool writeToConsole(const QString &text, bool toError);
// Makes standard output take bytes unchanged, with no CR put before a line
// feed, and says whether it does.
bool keepOutputBytes();
