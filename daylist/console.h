#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Standard error and output as the day's list uses them. On Linux the text
// goes out as UTF-8. On a Windows console Japanese text is written with
// WriteConsoleW, which shows it whatever the console's code page; the result
// on standard output is written as bytes, without an added CR.
// Every control character but the line feeds that end its lines is shown
// as a sign (visibleText), so that a name a sender wrote cannot act on the
// terminal.
void writeError(const QString &text);
// A line of progress over the last one on standard error, and that line
// wiped at the end, or before a message, which writeError does first.
void writeProgress(const QString &text);
void clearProgress();
// --help's text on standard output, as writeError writes its own.
void writeHelp(const QString &text);
bool errorIsTerminal();
bool writeOutput(QByteArrayView bytes);

// Whether the program was started by dropping files on its icon: Windows
// gave it a console of its own, the summary on it. Never in a script, a
// console that was there, nor on Linux.
bool startedByDrop();
// That console closes with the program: keep the summary on screen until a
// key is pressed, after a drop only.
void holdOwnConsole();
