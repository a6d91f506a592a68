#include "national/zip_source.h"

#include "examinee/text_codec.h"
#include "national/archive_layout.h"
#include "national/source_limits.h"
#include "national/source_words.h"
#include "national/zip_device.h"
#include "national/zip_entry_count.h"
#include "words/system_errors.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

// An entry's name as written: UTF-8 where it is valid UTF-8 (whether or not
// the archive flags it so), else CP932, as Japanese Windows writes names;
// bytes valid in neither are shown as U+FFFD. A byte order mark is kept as
// a character: it is part of the name.
QString entryName(const char *raw)
{
    const QByteArrayView bytes(raw);
    if (bytes.isValidUtf8())
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom).decode(bytes);
    TextDecoder cp932(TextEncoding::Cp932);
    QString name = cp932.decode(bytes);
    name += cp932.finish();
    return cp932.failed() ? QString::fromUtf8(bytes) : name;
}

// libzip's reason for a damaged archive or entry, in the desk's words.
QString brokenReason(zip_error_t *error)
{
    switch (zip_error_code_zip(error)) {
    case ZIP_ER_NOZIP: return QStringLiteral("zip の目録 (中央ディレクトリ) が見つかりません");
    case ZIP_ER_MULTIDISK: return QStringLiteral("複数に分けられたアーカイブは読めません");
    case ZIP_ER_CRC: return QStringLiteral("中身の検査値 (CRC) が合いません");
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA: return QStringLiteral("圧縮されたデータが壊れています");
    case ZIP_ER_INCONS:
    case ZIP_ER_INVAL: // an offset outside the archive, as zip_device.cpp's seek finds it
        return QStringLiteral("アーカイブの中の記録が食い違っています");
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
    case ZIP_ER_EOF: return QStringLiteral("アーカイブが途中で切れているか、読み込みに失敗しました");
    case ZIP_ER_MEMORY: return QStringLiteral("メモリーが足りません");
    case ZIP_ER_OPEN:
    case ZIP_ER_TELL:
        return systemErrorText(zip_error_code_system(error), QString::fromUtf8(zip_error_strerror(error)));
    case ZIP_ER_COMPNOTSUPP: return QStringLiteral("読めない圧縮方式です");
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD: return QStringLiteral("暗号化されています");
    default: return unknownErrorText(QString::fromUtf8(zip_error_strerror(error)));
    }
}

// An entry's name as libzip holds it, NUL-terminated; empty if it has none.
const char *rawName(zip_t *zip, qsizetype entry)
{
    const char *raw = zip_get_name(zip, zip_uint64_t(entry), ZIP_FL_ENC_RAW);
    return raw ? raw : "";
}
QString nameOf(zip_t *zip, qsizetype entry) { return entryName(rawName(zip, entry)); }

bool isAscii(const char *raw)
{
    for (; *raw; ++raw)
        if (static_cast<unsigned char>(*raw) >= 0x80)
            return false;
    return true;
}

// The archive's names as libzip holds them, in the order of their text: not
// copied as text, since such a copy grows with the archive. Names of ASCII
// alone (the ministry's) compare as their bytes, others as their text;
// which are ASCII is found once a name (a bit each), not at each comparison.
ArchiveNames namesOf(zip_t *zip)
{
    const qsizetype count = qsizetype(zip_get_num_entries(zip, 0));
    std::vector<bool> ascii(static_cast<size_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        ascii[size_t(i)] = isAscii(rawName(zip, i));
    return {count, [zip](qsizetype i) { return nameOf(zip, i); },
            [zip, ascii = std::move(ascii)](qsizetype a, qsizetype b) {
                return ascii[size_t(a)] && ascii[size_t(b)] ? std::strcmp(rawName(zip, a), rawName(zip, b)) < 0
                                                            : nameOf(zip, a) < nameOf(zip, b);
            }};
}

// The names without their order: enough to tell what the archive holds.
ArchiveNames unorderedNamesOf(zip_t *zip)
{
    return {qsizetype(zip_get_num_entries(zip, 0)), [zip](qsizetype i) { return nameOf(zip, i); }};
}

struct Closer {
    void operator()(zip_t *zip) const { zip_discard(zip); }
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

class ZipSource : public DocumentSource {
public:
    ZipSource(std::unique_ptr<QIODevice> device, std::unique_ptr<zip_t, Closer> zip)
        : m_device(std::move(device)), m_zip(std::move(zip)), m_layout(layOutArchive(namesOf(m_zip.get())))
    {
        m_nested = m_layout.nested;
        // The files are sorted by name: those of one name lie together.
        for (size_t i = 1; i < m_layout.files.size(); ++i) {
            const char *name = rawName(m_zip.get(), m_layout.files[i]);
            if (std::strcmp(name, rawName(m_zip.get(), m_layout.files[i - 1])) == 0
                && (m_shared.isEmpty() || m_shared.last() != entryName(name)))
                m_shared.append(entryName(name));
        }
    }
    ~ZipSource() override { m_zip.reset(); } // libzip lets go of the device first

    qsizetype count() const override { return qsizetype(m_layout.files.size()); }
    QString name(qsizetype i) const override { return nameOf(m_zip.get(), m_layout.files[size_t(i)]); }
    SourceFile read(qsizetype i) override
    {
        const qsizetype entry = m_layout.files[size_t(i)];
        SourceFile file = readEntry(entry);
        if (file.refusal.isEmpty() && looksLikeZip(file.bytes.first(std::min<qsizetype>(file.bytes.size(), 4)))) {
            // An archive under another name: not opened, named with the others.
            m_nested.append(file.name);
            return {file.name, {}, nestedArchiveRefusal()};
        }
        return file;
    }
    std::optional<SourceFile> index() override
    {
        return m_layout.index ? std::optional(readEntry(*m_layout.index)) : std::nullopt;
    }
    bool isDelivery() const override { return true; }
    QStringList nestedArchives() const override { return m_nested; }
    QStringList sharedNames() const override { return m_shared; }

private:
    static SourceFile brokenEntry(const QString &name, zip_error_t *error)
    {
        return {name, {}, brokenEntryRefusal(brokenReason(error))};
    }

    SourceFile readEntry(qsizetype entry)
    {
        const QString name = nameOf(m_zip.get(), entry);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_zip.get(), zip_uint64_t(entry), 0, &stat) != 0)
            return brokenEntry(name, zip_get_error(m_zip.get()));
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
            return {name, {}, encryptedRefusal()};
        if (!(stat.valid & ZIP_STAT_COMP_METHOD)
            || (stat.comp_method != ZIP_CM_STORE && stat.comp_method != ZIP_CM_DEFLATE))
            return {name, {}, packingMethodRefusal(stat.comp_method)};
        const zip_uint64_t packed = (stat.valid & ZIP_STAT_COMP_SIZE) ? stat.comp_size : 0;

        std::unique_ptr<zip_file_t, Closer> file(zip_fopen_index(m_zip.get(), zip_uint64_t(entry), 0));
        if (!file)
            return brokenEntry(name, zip_get_error(m_zip.get()));
        // The size is counted as the entry unpacks, whatever its header says,
        // and never more than the limit and one byte is held. Room is made
        // first for the size the header gives (within the limits) and the
        // byte that finds the end, so that a truthful entry unpacks into one
        // allocation of its own size; past it, up to each next 64 KiB. The
        // limits are looked at after every read.
        constexpr qsizetype piece = 64 * 1024;
        const zip_uint64_t declared = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
        const qsizetype expected =
            qsizetype(std::min({declared, zip_uint64_t(maxPackingRatio) * packed, zip_uint64_t(maxFileBytes)})) + 1;
        QByteArray bytes;
        bytes.reserve(expected);
        qsizetype size = 0;
        for (;;) {
            const qsizetype room =
                std::min<qsizetype>(size < expected ? expected - size : piece - size % piece, maxFileBytes + 1 - size);
            bytes.resize(size + room);
            const zip_int64_t got = zip_fread(file.get(), bytes.data() + size, zip_uint64_t(room));
            if (got < 0)
                return brokenEntry(name, zip_file_get_error(file.get()));
            size += qsizetype(got);
            if (size > maxFileBytes)
                return {name, {}, tooLargeRefusal()};
            if (zip_uint64_t(size) > zip_uint64_t(maxPackingRatio) * packed)
                return {name, {}, packingRatioRefusal()};
            if (got == 0)
                break;
        }
        bytes.resize(size);
        return {name, std::move(bytes), {}};
    }

    std::unique_ptr<QIODevice> m_device;
    std::unique_ptr<zip_t, Closer> m_zip;
    ArchiveLayout m_layout;
    QStringList m_nested; // the nested archives by name, and those found by content as they are read
    QStringList m_shared; // the names of more than one file, each once
};

} // namespace

namespace {

// The archive's directory, or why it cannot be read.
std::variant<std::unique_ptr<zip_t, Closer>, SourceProblem> openZip(QIODevice &device)
{
    if (claimedEntries(device) > quint64(maxSourceEntries))
        return SourceProblem{tooManyEntriesProblem()};
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zipSourceOn(device, &error);
    zip_t *opened = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!opened) {
        const QString reason = brokenReason(&error);
        zip_error_fini(&error);
        if (source)
            zip_source_free(source);
        return SourceProblem{damagedArchiveProblem(reason)};
    }
    zip_error_fini(&error);
    std::unique_ptr<zip_t, Closer> zip(opened);
    if (zip_get_num_entries(opened, 0) > maxSourceEntries)
        return SourceProblem{tooManyEntriesProblem()};
    return zip;
}

} // namespace

std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openZipSource(std::unique_ptr<QIODevice> device)
{
    auto opened = openZip(*device);
    if (auto *problem = std::get_if<SourceProblem>(&opened))
        return *problem;
    return std::make_unique<ZipSource>(std::move(device), std::move(std::get<std::unique_ptr<zip_t, Closer>>(opened)));
}

namespace {

// How many of an archive's XML files are looked into for a checkup file
// when its names do not tell: enough for one checkup file among a few
// others, few enough for a book's many XML parts.
constexpr qsizetype kXmlEntriesLookedInto = 16;
// Where a checkup file's root element is looked for.
constexpr zip_uint64_t kEntryStartBytes = 4096;

QByteArray entryStart(zip_t *zip, qsizetype entry)
{
    std::unique_ptr<zip_file_t, Closer> file(zip_fopen_index(zip, zip_uint64_t(entry), 0));
    QByteArray start(qsizetype(kEntryStartBytes), '\0');
    const zip_int64_t got = file ? zip_fread(file.get(), start.data(), kEntryStartBytes) : -1;
    start.resize(got < 0 ? 0 : qsizetype(got));
    return start;
}

// Whether one of the first XML files of the archive is a ClinicalDocument:
// checkup files put at the root of an archive, without DATA/ or the index,
// are a delivery still.
bool holdsClinicalDocument(zip_t *zip, const ArchiveLayout &layout)
{
    qsizetype looked = 0;
    for (const qsizetype entry : layout.files) {
        if (!nameOf(zip, entry).endsWith(u".xml", Qt::CaseInsensitive))
            continue;
        if (isClinicalDocument(entryStart(zip, entry)))
            return true;
        if (++looked == kXmlEntriesLookedInto)
            break;
    }
    return false;
}

} // namespace

ZipContent zipContentOf(QIODevice &device)
{
    auto opened = openZip(device);
    const auto *zip = std::get_if<std::unique_ptr<zip_t, Closer>>(&opened);
    if (!zip)
        return ZipContent::Unlisted;
    const ArchiveLayout layout = layOutArchive(unorderedNamesOf(zip->get()));
    const bool checkup = layout.hasData || holdsClinicalDocument(zip->get(), layout);
    return checkup ? ZipContent::CheckupFiles : ZipContent::OtherFiles;
}
