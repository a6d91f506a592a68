#include "daylist/file_system.h"
#include "words/system_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file, for the signal handler: a fixed buffer, since a handler
// may only call async-signal-safe functions.
char g_temporary[4096];
volatile std::sig_atomic_t g_haveTemporary = 0;

extern "C" void removeTemporaryAndStop(int signal)
{
    if (g_haveTemporary)
        unlink(g_temporary);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

namespace FileSystem {

QString createTemporary(const QString &pattern, int &fd)
{
    const QByteArray name = QFile::encodeName(pattern);
    fd = -1;
    if (std::size_t(name.size()) >= sizeof g_temporary) {
        errno = ENAMETOOLONG;
        return {};
    }
    g_haveTemporary = 0;
    std::memcpy(g_temporary, name.constData(), std::size_t(name.size()) + 1);
    // Ctrl+C, a termination request, a closed terminal (SIGHUP) and Ctrl+\ (SIGQUIT).
    sigset_t stops, before;
    sigemptyset(&stops);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        std::signal(signal, removeTemporaryAndStop);
        sigaddset(&stops, signal);
    }
    // Held back while the file is made and not yet known to the handler,
    // which would otherwise leave it behind.
    sigprocmask(SIG_BLOCK, &stops, &before);
    fd = mkstemp(g_temporary);
    g_haveTemporary = fd >= 0 ? 1 : 0;
    const int made = errno;
    sigprocmask(SIG_SETMASK, &before, nullptr);
    errno = made;
    if (fd < 0)
        return {};
    // mkstemp() makes the file for its owner alone.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    return QFile::decodeName(g_temporary);
}

void forgetTemporary() { g_haveTemporary = 0; }

bool writeAll(int fd, const char *bytes, qsizetype size)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = ::write(fd, bytes + done, std::size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool closeWritten(int fd)
{
    const bool synced = fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced)
        errno = syncError;
    return synced && closed;
}

void closeQuietly(int fd) { ::close(fd); }

void remove(const QString &path) { unlink(QFile::encodeName(path).constData()); }

bool renameWithoutReplacing(const QString &from, const QString &to, bool &exists)
{
    exists = false;
    if (renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD, QFile::encodeName(to).constData(),
                  RENAME_NOREPLACE)
        == 0)
        return true;
    exists = errno == EEXIST;
    return false;
}

QString lastError()
{
    const int errorNumber = errno;
    return systemErrorText(errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber)));
}

bool isSystemStream(const QString &path)
{
    // The path as named, not where its links lead: /dev/stdin leads to a
    // regular file when standard input is one. /dev/shm holds real files.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (const char16_t *stream : {u"/dev/stdin", u"/dev/stdout", u"/dev/stderr"})
        if (absolute == stream)
            return true;
    return absolute.startsWith(u"/dev/fd/") || absolute.startsWith(u"/proc/");
}

} // namespace FileSystem
