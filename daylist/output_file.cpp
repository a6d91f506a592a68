#include "daylist/output_file.h"

#include "daylist/file_system.h"
#include "words/system_errors.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

constexpr qsizetype kWriteBytes = 256 * 1024;
constexpr int kLastNumber = 9999;

} // namespace

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const QString &path)
{
    m_path = path;
    const QFileInfo info(path);
    // Hidden, beside the result, so that the rename stays in one file system.
    m_tempPath = FileSystem::createTemporary(
        info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"), m_fd);
    if (m_tempPath.isEmpty()) {
        m_error = FileSystem::lastError();
        return false;
    }
    return true;
}

bool OutputFile::write(QByteArrayView bytes)
{
    makeRoom(bytes.size());
    m_pending.append(bytes);
    return flushWhenFull();
}

bool OutputFile::write(QStringView text, TextEncoder &encoder)
{
    makeRoom(text.size() * 3); // the most any encoding here takes for a UTF-16 unit
    encoder.encodeInto(m_pending, text);
    return flushWhenFull();
}

void OutputFile::makeRoom(qsizetype bytes)
{
    if (m_pending.capacity() - m_pending.size() < bytes)
        m_pending.reserve(std::max(kWriteBytes, m_pending.size()) + bytes);
}

bool OutputFile::flushWhenFull() { return m_pending.size() < kWriteBytes || flush(); }

bool OutputFile::flush()
{
    if (!FileSystem::writeAll(m_fd, m_pending.constData(), m_pending.size())) {
        m_error = FileSystem::lastError();
        discard();
        return false;
    }
    m_pending.resize(0); // keeps its room for the next lines
    return true;
}

bool OutputFile::commit(bool pickFreeName)
{
    if (!flush())
        return false;
    const bool closed = FileSystem::closeWritten(m_fd);
    m_fd = -1;
    if (!closed) {
        m_error = FileSystem::lastError();
        discard();
        return false;
    }
    for (int n = 1; n <= kLastNumber; ++n) {
        const QString target = n == 1 ? m_path : numberedPath(m_path, n);
        bool exists = false;
        if (FileSystem::renameWithoutReplacing(m_tempPath, target, exists)) {
            FileSystem::forgetTemporary();
            m_tempPath.clear();
            m_finalPath = target;
            return true;
        }
        if (!exists || !pickFreeName) {
            m_error = exists ? systemErrorText(EEXIST, {}) : FileSystem::lastError();
            break;
        }
    }
    discard();
    return false;
}

void OutputFile::discard()
{
    if (m_fd >= 0) {
        FileSystem::closeQuietly(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.isEmpty()) {
        FileSystem::forgetTemporary();
        FileSystem::remove(m_tempPath);
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

QString pathBeside(const QString &input, const QString &ending)
{
    QFileInfo info(QDir::cleanPath(input));
    if (info.fileName().isEmpty() || info.fileName() == u"." || info.fileName() == u"..")
        info = QFileInfo(info.absoluteFilePath());
    const QString name = info.isDir() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(name + ending);
}

QString numberedPath(const QString &path, int n)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString base = info.completeBaseName() + u'(' + QString::number(n) + u')';
    return info.dir().filePath(suffix.isEmpty() ? base : base + u'.' + suffix);
}

bool pathExists(const QString &path) { return QFileInfo(path).exists() || QFileInfo(path).isSymLink(); }
