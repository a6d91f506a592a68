#include "national/disk_sources.h"

#include "national/archive_layout.h"
#include "national/source_limits.h"
#include "national/source_words.h"
#include "words/system_errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

const QString kReadFailed = QStringLiteral("読み込みの途中で失敗しました");

// Why an open file could not be read: a file of the disk tells; memory
// does not fail.
QString readProblem(const QIODevice &file)
{
    const auto *disk = qobject_cast<const QFile *>(&file);
    return disk ? diskFileProblem(*disk) : kReadFailed;
}

// An open file (or a stream read into memory) read whole, on from `start`
// (its first bytes, read already), unless it is larger than a document may
// be.
SourceFile readOpenFile(QIODevice &file, const QString &name, const QByteArray &start)
{
    if (file.size() > maxFileBytes)
        return {name, {}, tooLargeFileRefusal()};
    // The file may grow while it is read: never more than the limit and one.
    QByteArray bytes = start;
    bytes.resize(maxFileBytes + 1);
    const qint64 got =
        file.seek(start.size()) ? file.read(bytes.data() + start.size(), maxFileBytes + 1 - start.size()) : -1;
    if (got < 0)
        return {name, {}, unreadableFileRefusal(readProblem(file))};
    bytes.resize(start.size() + got);
    if (bytes.size() > maxFileBytes)
        return {name, {}, tooLargeFileRefusal()};
    return {name, bytes, {}};
}

// One file of the disk, read whole unless it is larger than a document may be.
SourceFile readDiskFile(const QString &path, const QString &name)
{
    // Looked at again as it is read: a file may have become a FIFO since.
    if (!QFileInfo(path).isFile())
        return {name, {}, specialFileRefusal()};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {name, {}, unreadableFileRefusal(diskFileProblem(file))};
    return readOpenFile(file, name, {});
}

class FolderSource : public DocumentSource {
public:
    FolderSource(QString folder, QStringList names, ArchiveLayout layout, QStringList special)
        : m_folder(std::move(folder)), m_names(std::move(names)), m_layout(std::move(layout)),
          m_special(std::move(special))
    {
    }
    qsizetype count() const override { return qsizetype(m_layout.files.size()); }
    QString name(qsizetype i) const override { return m_names[m_layout.files[size_t(i)]]; }
    SourceFile read(qsizetype i) override { return readDiskFile(m_folder + u'/' + name(i), name(i)); }
    std::optional<SourceFile> index() override
    {
        if (!m_layout.index)
            return std::nullopt;
        const QString name = m_names[*m_layout.index];
        return readDiskFile(m_folder + u'/' + name, name);
    }
    QStringList nestedArchives() const override { return m_layout.nested; }
    QStringList specialFiles() const override { return m_special; }

private:
    QString m_folder;
    QStringList m_names; // the regular files' paths inside the folder, '/'-separated
    ArchiveLayout m_layout;
    QStringList m_special; // the others'
};

// The one file, read when it is opened: asked for again, it is not read
// again.
class FileSource : public DocumentSource {
public:
    explicit FileSource(SourceFile file) : m_file(std::move(file)) {}
    qsizetype count() const override { return 1; }
    QString name(qsizetype) const override { return m_file.name; }
    SourceFile read(qsizetype) override { return m_file; }
    std::optional<SourceFile> index() override { return std::nullopt; }
    QStringList nestedArchives() const override { return {}; }
    bool isOneFile() const override { return true; }

private:
    SourceFile m_file;
};

} // namespace

std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openFolderSource(const QString &folder)
{
    // Absolute, so that each file's name is its path inside the folder
    // whatever the folder was named by.
    const QDir dir(QFileInfo(folder).absoluteFilePath());
    if (!dir.isReadable())
        return SourceProblem{cannotOpenText(QStringLiteral("フォルダを読めません"))};
    QStringList names;
    QStringList special;
    // Links to folders are not followed: a link back up would never end.
    QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = dir.relativeFilePath(it.next());
        (it.fileInfo().isFile() ? names : special).append(name);
        if (names.size() + special.size() > maxSourceEntries)
            return SourceProblem{tooManyEntriesProblem()};
    }
    ArchiveLayout layout = layOutArchive(names);
    special.sort();
    return std::make_unique<FolderSource>(dir.path(), std::move(names), std::move(layout), std::move(special));
}

namespace {

// Whether the path is a link that leads, link by link, back to a link it
// passed: it names no file, nor a missing one.
bool isLinkLoop(const QString &path)
{
    QStringList passed;
    for (QFileInfo link(path); link.isSymLink() && !link.exists(); link = QFileInfo(link.symLinkTarget())) {
        if (passed.contains(link.absoluteFilePath()))
            return true;
        passed.append(link.absoluteFilePath());
    }
    return false;
}

} // namespace

QString diskFileProblem(const QFile &file)
{
    const QFileInfo info(file.fileName());
    if (isLinkLoop(file.fileName()))
        return systemErrorText(ELOOP, {});
    if (!info.exists())
        return systemErrorText(ENOENT, {});
    if (!info.isReadable())
        return QStringLiteral("読む権限がありません");
    if (file.error() == QFileDevice::ReadError)
        return kReadFailed;
    return QStringLiteral("開けませんでした");
}

std::unique_ptr<DocumentSource> openFileSource(QIODevice &file, const QString &name, const QByteArray &start)
{
    return std::make_unique<FileSource>(readOpenFile(file, name, start));
}
