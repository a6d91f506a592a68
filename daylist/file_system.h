#pragma once

#include <QByteArray>
#include <QString>

// The few file operations that the result file and the input need beyond Qt, one
// implementation for Linux (file_system_posix.cpp) and one for Windows
// (file_system_windows.cpp). A failure leaves its reason in lastError().
namespace FileSystem {

// Creates a new file from the pattern, whose last six characters are
// "XXXXXX", with the permissions any new file of the user gets; the path
// made, or an empty path. The file is removed if the program is stopped by
// Ctrl+C, a termination request or a closed terminal (on Windows, a closed
// console window) before forgetTemporary().
QString createTemporary(const QString &pattern, int &fd);
void forgetTemporary();

bool writeAll(int fd, const char *bytes, qsizetype size);
// Flushes the file to the disk and closes it.
bool closeWritten(int fd);
void closeQuietly(int fd);
void remove(const QString &path);

// Renames without ever replacing a file: false with exists set if the
// target exists.
bool renameWithoutReplacing(const QString &from, const QString &to, bool &exists);

QString lastError();

// Whether the path names one of the system's streams rather than a file,
// whatever it leads to: standard input and the other devices and
// descriptors of a process, which a result is never put beside.
bool isSystemStream(const QString &path);

} // namespace FileSystem
