#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Standard error and output as the day's list uses them. On Linux the text
// goes out as UTF-8. On a Windows console Japanese text is written with
// WriteConsoleW, which shows it whatever the console's code page; the result
// on standard output is written as bytes, without an added CR.
void writeError(const QString &text);
// --help's text on standard output, as writeError writes its own.
void writeHelp(const QString &text);
bool errorIsTerminal();
bool writeOutput(QByteArrayView bytes);

// When the program was started by dropping a file on its icon, Windows gave
// it a console of its own, which closes with it: keep the summary on screen
// until a key is pressed. Never in a script or a console that was there.
void holdOwnConsole();
