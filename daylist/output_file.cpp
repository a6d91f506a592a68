#include "daylist/output_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qsizetype kWriteBytes = 256 * 1024;
constexpr int kLastNumber = 9999;

// The temporary file of the run, for the Ctrl+C handler: a fixed buffer,
// since a signal handler may only call async-signal-safe functions.
char g_tempPath[4096];
volatile std::sig_atomic_t g_haveTemp = 0;

extern "C" void removeTempAndStop(int signal)
{
    if (g_haveTemp) {
#ifdef Q_OS_WIN
        _unlink(g_tempPath);
#else
        unlink(g_tempPath);
#endif
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void watchInterrupts()
{
    std::signal(SIGINT, removeTempAndStop);
    std::signal(SIGTERM, removeTempAndStop);
}

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

} // namespace

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const QString &path)
{
    m_path = path;
    const QFileInfo info(path);
    const QByteArray pattern =
        QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (std::size_t(pattern.size()) >= sizeof g_tempPath) {
        m_error = QStringLiteral("パスが長すぎます");
        return false;
    }
    std::memcpy(g_tempPath, pattern.constData(), std::size_t(pattern.size()) + 1);
    watchInterrupts();
#ifdef Q_OS_WIN
    if (_mktemp_s(g_tempPath, std::size_t(pattern.size()) + 1) == 0)
        _sopen_s(&m_fd, g_tempPath, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _SH_DENYRW, _S_IREAD | _S_IWRITE);
#else
    m_fd = mkstemp(g_tempPath);
    if (m_fd >= 0) {
        // mkstemp() makes the file for its owner alone; the result gets the
        // permissions any new file of the user gets.
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(m_fd, 0666 & ~mask);
    }
#endif
    if (m_fd < 0) {
        m_error = systemError();
        return false;
    }
    m_tempPath = g_tempPath;
    g_haveTemp = 1;
    return true;
}

bool OutputFile::write(const QByteArray &bytes)
{
    m_pending += bytes;
    return m_pending.size() < kWriteBytes || flush();
}

bool OutputFile::flush()
{
    qsizetype done = 0;
    while (done < m_pending.size()) {
#ifdef Q_OS_WIN
        const auto n = _write(m_fd, m_pending.constData() + done, unsigned(m_pending.size() - done));
#else
        const auto n = ::write(m_fd, m_pending.constData() + done, std::size_t(m_pending.size() - done));
#endif
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = systemError();
            discard();
            return false;
        }
        done += n;
    }
    m_pending.clear();
    return true;
}

namespace {

// Moves the finished file to the path unless something is there already.
bool renameWithoutReplacing(const QByteArray &from, const QString &to, bool &exists)
{
    exists = false;
#ifdef Q_OS_WIN
    // Without MOVEFILE_REPLACE_EXISTING: an existing file is never replaced.
    const QString wideFrom = QFile::decodeName(from);
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(wideFrom).utf16()),
                    reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()), 0))
        return true;
    const DWORD error = GetLastError();
    exists = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return false;
#else
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0)
        return true;
    exists = errno == EEXIST;
    return false;
#endif
}

} // namespace

bool OutputFile::commit(bool pickFreeName)
{
    if (!flush())
        return false;
#ifdef Q_OS_WIN
    const int closed = _close(m_fd);
#else
    const int closed = fsync(m_fd) == 0 ? ::close(m_fd) : (::close(m_fd), -1);
#endif
    m_fd = -1;
    if (closed != 0) {
        m_error = systemError();
        discard();
        return false;
    }
    for (int n = 1; n <= kLastNumber; ++n) {
        const QString target = n == 1 ? m_path : numberedPath(m_path, n);
        bool exists = false;
        if (renameWithoutReplacing(m_tempPath, target, exists)) {
            g_haveTemp = 0;
            m_tempPath.clear();
            m_finalPath = target;
            return true;
        }
        if (!exists || !pickFreeName) {
            m_error = exists ? QStringLiteral("ファイルがすでにあります") : systemError();
            break;
        }
    }
    discard();
    return false;
}

void OutputFile::discard()
{
    if (m_fd >= 0) {
#ifdef Q_OS_WIN
        _close(m_fd);
#else
        ::close(m_fd);
#endif
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        g_haveTemp = 0;
#ifdef Q_OS_WIN
        _unlink(m_tempPath.constData());
#else
        unlink(m_tempPath.constData());
#endif
        m_tempPath.clear();
    }
}

QString defaultOutputPath(const QString &inputPath)
{
    const QFileInfo info(inputPath);
    const QString suffix = info.suffix();
    const QString base = info.completeBaseName() + QStringLiteral("_判定");
    return info.dir().filePath(suffix.isEmpty() ? base : base + u'.' + suffix);
}

QString numberedPath(const QString &path, int n)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString base = info.completeBaseName() + u'(' + QString::number(n) + u')';
    return info.dir().filePath(suffix.isEmpty() ? base : base + u'.' + suffix);
}

bool pathExists(const QString &path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }
