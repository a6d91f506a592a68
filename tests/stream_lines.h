#pragma once

#include <QByteArray>

// What a program wrote as text to a standard stream that is a pipe or a file,
// its lines ended by "\n" alone as the tests write them. On Windows the C
// runtime writes text there in text mode, with Windows line ends ("\r\n"), as
// a log that a desk redirects into a file should have them; bytes that are
// not all Windows lines are given back as they are, their CRs left for the
// tests to see.
inline QByteArray streamLines(const QByteArray &written)
{
#ifdef Q_OS_WIN
    if (written.count("\r\n") == written.count('\n'))
        return QByteArray(written).replace("\r\n", "\n");
#endif
    return written;
}
