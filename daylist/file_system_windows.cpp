#include "daylist/file_system.h"
#include "words/system_errors.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

// Paths go to Windows as UTF-16 (the wide functions), so that a folder with
// Japanese in its name works whatever the system's code page.
namespace {

wchar_t g_temporary[32768];
volatile std::sig_atomic_t g_haveTemporary = 0;
DWORD g_lastError = 0;

// The Windows calls' codes that the C library's numbers name, so that the
// desk reads the same words as on Linux.
struct ErrorNumber {
    DWORD windows;
    int c;
};
constexpr ErrorNumber kErrorNumbers[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},      {ERROR_PATH_NOT_FOUND, ENOENT},   {ERROR_INVALID_DRIVE, ENOENT},
    {ERROR_ACCESS_DENIED, EACCES},       {ERROR_WRITE_PROTECT, EROFS},     {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},       {ERROR_ALREADY_EXISTS, EEXIST},   {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_DISK_FULL, ENOSPC},           {ERROR_HANDLE_DISK_FULL, ENOSPC}, {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_TOO_MANY_OPEN_FILES, EMFILE}, {ERROR_DIRECTORY, ENOTDIR},
};

// A termination request (SIGTERM, as the C runtime raises it).
extern "C" void removeTemporaryAndStop(int signal)
{
    if (g_haveTemporary)
        DeleteFileW(g_temporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Ctrl+C, Ctrl+Break and a closed console window. Windows runs this on a
// thread of its own while the main thread may be writing: the file is open
// with delete sharing, so that DeleteFileW removes it even then (Windows
// lets it go when the process ends and its handle closes). FALSE hands the
// event on to the default handler, which ends the process.
BOOL WINAPI removeTemporaryOnConsoleEvent(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
        if (g_haveTemporary)
            DeleteFileW(g_temporary);
    }
    return FALSE;
}

// A new file, for writing only, that others may not open but that can be
// deleted while it is open; as a C runtime descriptor for _write().
bool createShareDelete(const wchar_t *path, int &fd)
{
    const HANDLE file =
        CreateFileW(path, GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        DeleteFileW(path);
        return false;
    }
    return true;
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
    static const bool handlerSet = SetConsoleCtrlHandler(removeTemporaryOnConsoleEvent, TRUE) != 0;
    (void)handlerSet;
    std::signal(SIGTERM, removeTemporaryAndStop);
    if (_wmktemp_s(g_temporary, std::size_t(native.size()) + 1) != 0 || !createShareDelete(g_temporary, fd)) {
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
    const auto known = std::find_if(std::begin(kErrorNumbers), std::end(kErrorNumbers),
                                    [](const ErrorNumber &row) { return row.windows == g_lastError; });
    if (known != std::end(kErrorNumbers))
        return systemErrorText(known->c, {});
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   g_lastError, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString message = text ? QString::fromWCharArray(text).trimmed() : QString::number(g_lastError);
    LocalFree(text);
    return unknownErrorText(message);
}

bool isSystemStream(const QString &path)
{
    // The device namespace (\\.\CON, \\.\pipe\...) and the console's own names.
    const QString native = QDir::toNativeSeparators(path);
    const QString base = QFileInfo(path).completeBaseName().toUpper();
    return native.startsWith(QStringLiteral("\\\\.\\")) || base == u"CON" || base == u"CONIN$" || base == u"NUL";
}

} // namespace FileSystem
