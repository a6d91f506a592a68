#pragma once

// Zip archives for the tests, written by libzip in memory: each entry's
// name, bytes and how it is packed.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>

#include <zip.h>

struct ArchiveEntry {
    QString name;
    QByteArray bytes;
    zip_int32_t method = ZIP_CM_DEFLATE; // ZIP_CM_STORE, ZIP_CM_DEFLATE, ZIP_CM_BZIP2 ...
    zip_uint16_t encryption = ZIP_EM_NONE;
    QByteArray rawName = {}; // the name's bytes as written, unflagged, in place of `name` in UTF-8
};

// Why the libzip at hand cannot write the entries, or an empty string if it
// can. The Windows build's libzip has neither bzip2 nor AES: the reading
// refuses both by the archive's directory alone, which needs neither.
inline QString cannotWrite(const QList<ArchiveEntry> &entries)
{
    for (const ArchiveEntry &entry : entries) {
        if (!zip_compression_method_supported(entry.method, 1))
            return QStringLiteral("this libzip cannot pack with method %1").arg(entry.method);
        if (entry.encryption != ZIP_EM_NONE && !zip_encryption_method_supported(entry.encryption, 1))
            return QStringLiteral("this libzip cannot encrypt with method %1").arg(entry.encryption);
    }
    return {};
}

// Adds the entries to an archive open for writing; false if libzip refused one.
inline bool addEntries(zip_t *zip, const QList<ArchiveEntry> &entries)
{
    bool written = true;
    for (const ArchiveEntry &entry : entries) {
        const QByteArray name = entry.rawName.isEmpty() ? entry.name.toUtf8() : entry.rawName;
        // libzip copies the bytes when the archive is closed: they live until then in `entries`.
        zip_source_t *data = zip_source_buffer(zip, entry.bytes.constData(), zip_uint64_t(entry.bytes.size()), 0);
        const zip_int64_t index = data ? zip_file_add(zip, name.constData(), data,
                                                      entry.rawName.isEmpty() ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_RAW)
                                       : -1;
        if (index < 0) {
            zip_source_free(data);
            written = false;
            break;
        }
        written = zip_set_file_compression(zip, zip_uint64_t(index), entry.method, 0) == 0
                  && (entry.encryption == ZIP_EM_NONE
                      || zip_file_set_encryption(zip, zip_uint64_t(index), entry.encryption, "secret") == 0);
        if (!written)
            break;
    }
    return written;
}

// The archive's bytes; empty if libzip could not write it (the test then
// fails on its first use).
inline QByteArray makeArchive(const QList<ArchiveEntry> &entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *zip = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    zip_error_fini(&error);
    if (!zip)
        return {};
    zip_source_keep(buffer); // kept past zip_close, which writes into it
    QByteArray bytes;
    if (!addEntries(zip, entries) || zip_close(zip) != 0) {
        zip_discard(zip);
        zip_source_free(buffer);
        return {};
    }
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) == 0 && zip_source_open(buffer) == 0) {
        bytes.resize(qsizetype(stat.size));
        if (zip_source_read(buffer, bytes.data(), stat.size) != zip_int64_t(stat.size))
            bytes.clear();
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return bytes;
}

// Writes an archive of `count` empty stored entries straight to a file, as
// cheaply as libzip can: an archive with more entries than a reader takes.
inline bool writeEmptyEntries(const QString &path, qsizetype count)
{
    int error = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        zip_source_t *data = zip_source_buffer(zip, nullptr, 0, 0);
        const QByteArray name = "DATA/" + QByteArray::number(i, 36);
        const zip_int64_t index = data ? zip_file_add(zip, name.constData(), data, 0) : -1;
        if (index < 0 || zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0) != 0) {
            zip_source_free(index < 0 ? data : nullptr);
            zip_discard(zip);
            return false;
        }
    }
    return zip_close(zip) == 0;
}

// An archive that lists `count` entries, written by hand: libzip would hold
// a few hundred bytes for each while writing it. Every entry of its
// directory is the same empty file "a", stored; its end records are zip64's,
// as more than 65,535 entries need.
inline QByteArray archiveOfManyEntries(quint32 count)
{
    auto put = [](QByteArray &out, auto v) {
        v = qToLittleEndian(v), out.append(reinterpret_cast<char *>(&v), sizeof v);
    };
    auto put16 = [&](QByteArray &out, quint16 v) { put(out, v); };
    auto put32 = [&](QByteArray &out, quint32 v) { put(out, v); };
    auto put64 = [&](QByteArray &out, quint64 v) { put(out, v); };
    QByteArray zip("PK\x03\x04", 4); // local header: version, flags, method, time, date, crc, sizes, name, extra
    put16(zip, 10), put16(zip, 0), put16(zip, 0), put16(zip, 0), put16(zip, 0x21);
    put32(zip, 0), put32(zip, 0), put32(zip, 0), put16(zip, 1), put16(zip, 0);
    zip.append('a');
    QByteArray central("PK\x01\x02", 4);
    put16(central, 10), put16(central, 10), put16(central, 0), put16(central, 0), put16(central, 0),
        put16(central, 0x21);
    put32(central, 0), put32(central, 0), put32(central, 0), put16(central, 1), put16(central, 0), put16(central, 0);
    put16(central, 0), put16(central, 0), put32(central, 0), put32(central, 0);
    central.append('a');
    const quint64 directoryOffset = quint64(zip.size());
    zip.reserve(zip.size() + central.size() * count + 100);
    for (quint32 i = 0; i < count; ++i)
        zip.append(central);
    const quint64 directorySize = quint64(central.size()) * count;
    const quint64 zip64End = quint64(zip.size());
    zip.append("PK\x06\x06", 4);
    put64(zip, 44), put16(zip, 45), put16(zip, 45), put32(zip, 0), put32(zip, 0);
    put64(zip, count), put64(zip, count), put64(zip, directorySize), put64(zip, directoryOffset);
    zip.append("PK\x06\x07", 4);
    put32(zip, 0), put64(zip, zip64End), put32(zip, 1);
    zip.append("PK\x05\x06", 4);
    put16(zip, 0), put16(zip, 0), put16(zip, 0xffff), put16(zip, 0xffff);
    put32(zip, 0xffffffff), put32(zip, 0xffffffff), put16(zip, 0);
    return zip;
}
