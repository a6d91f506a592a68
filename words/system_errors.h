#pragma once

#include <QString>

// Why the system refused to open, read or write a file, in the desk's
// words, from the C library's error number (errno): the POSIX calls and the
// Windows C runtime both give one, and the Windows calls' own codes are
// turned into it beside them. A number without a row is said in general
// words with `libraryText`, the library's own text, in parentheses.
QString systemErrorText(int errorNumber, const QString &libraryText);

// The general words for a library's code that no table here knows, its own
// text in parentheses.
QString unknownErrorText(const QString &libraryText);
