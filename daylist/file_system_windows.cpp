#include "daylist/file_system.h"

#include <QDir>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

// Paths go to Windows as UTF-16 (the wide functions), so that a folder with
// Japanese in its name works whatever the system's code page.
namespace {

wchar_t g_temporary[32768];
volatile std::sig_atomic_t g_haveTemporary = 0;
DWORD g_lastError = 0;

// Ctrl+C: Windows runs the handler on a thread of its own.
extern "C" void removeTemporaryAndStop(int signal)
{
    if (g_haveTemporary)
        DeleteFileW(g_temporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

const wchar_t *wide(const QString &path) { return reinterpret_cast<const wchar_t *>(path.utf16()); }

} // namespace

namespace FileSystem {

QString createTemporary(const QString &pattern, int &fd)
{
    const QString native = QDir::toNativeSeparators(pattern);
    fd = -1;
    if (std::size_t(native.size()) >= sizeof g_temporary / sizeof g_temporary[0]) {
        g_lastError = ERROR_FILENAME_EXCED_RANGE;
        return {};
    }
    g_haveTemporary = 0;
    native.toWCharArray(g_temporary);
    g_temporary[native.size()] = L'\0';
    std::signal(SIGINT, removeTemporaryAndStop);
    std::signal(SIGTERM, removeTemporaryAndStop);
    if (_wmktemp_s(g_temporary, std::size_t(native.size()) + 1) != 0
        || _wsopen_s(&fd, g_temporary, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE)
               != 0) {
        g_lastError = GetLastError();
        fd = -1;
        return {};
    }
    g_haveTemporary = 1;
    return QString::fromWCharArray(g_temporary);
}

void forgetTemporary() { g_haveTemporary = 0; }

bool writeAll(int fd, const char *bytes, qsizetype size)
{
    for (qsizetype done = 0; done < size;) {
        const int n = _write(fd, bytes + done, unsigned(std::min<qsizetype>(size - done, 1 << 30)));
        if (n <= 0) {
            g_lastError = GetLastError();
            return false;
        }
        done += n;
    }
    return true;
}

bool closeWritten(int fd)
{
    const bool flushed = _commit(fd) == 0;
    const bool closed = _close(fd) == 0;
    if (!flushed || !closed)
        g_lastError = GetLastError();
    return flushed && closed;
}

void closeQuietly(int fd) { _close(fd); }

void remove(const QString &path) { DeleteFileW(wide(QDir::toNativeSeparators(path))); }

bool renameWithoutReplacing(const QString &from, const QString &to, bool &exists)
{
    // Without MOVEFILE_REPLACE_EXISTING: an existing file is never replaced.
    exists = false;
    if (MoveFileExW(wide(QDir::toNativeSeparators(from)), wide(QDir::toNativeSeparators(to)), 0))
        return true;
    g_lastError = GetLastError();
    exists = g_lastError == ERROR_ALREADY_EXISTS || g_lastError == ERROR_FILE_EXISTS;
    return false;
}

QString lastError()
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   g_lastError, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString message = text ? QString::fromWCharArray(text).trimmed() : QString::number(g_lastError);
    LocalFree(text);
    return message;
}

} // namespace FileSystem
