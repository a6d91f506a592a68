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

// When the program was started by dropping a file on its icon, Windows gave
// it a console of its own, which closes with it: keep the summary on screen
// until a key is pressed. Never in a script or a console that was there.
void holdOwnConsole();
