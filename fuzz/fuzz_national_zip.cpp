// A national archive of arbitrary bytes, read as kalvemo-judge reads one
// (libzip over the bytes in memory): it never crashes or reads out of
// bounds; every file is either read, within the size limit, or refused with
// a reason and no bytes; the files come sorted by name; and nothing of the
// archive reaches the disk, whatever its names say.
#include "national/source_limits.h"
#include "national/zip_source.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The current folder is an empty one of the run's own, so that an entry
    // written by its name would show.
    static QTemporaryDir dir;
    static const bool inside = QDir::setCurrent(dir.path());
    require(inside);

    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(reinterpret_cast<const char *>(data), qsizetype(size));
    require(buffer->open(QIODevice::ReadOnly));
    auto opened = openZipSource(std::move(buffer));
    if (auto *source = std::get_if<std::unique_ptr<DocumentSource>>(&opened)) {
        DocumentSource &archive = **source;
        for (qsizetype i = 0; i < archive.count(); ++i) {
            require(i == 0 || !(archive.name(i) < archive.name(i - 1)));
            const SourceFile file = archive.read(i);
            require(file.name == archive.name(i));
            require(file.refusal.isEmpty() ? file.bytes.size() <= maxFileBytes : file.bytes.isEmpty());
        }
        if (const std::optional<SourceFile> index = archive.index())
            require(index->bytes.size() <= maxFileBytes);
        archive.nestedArchives();
    } else {
        require(!std::get<SourceProblem>(opened).message.isEmpty());
    }
    require(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System));
    return 0;
}
