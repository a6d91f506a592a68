#include "national/zip_entry_count.h"

#include <QtEndian>

#include <algorithm>

namespace {

// The zip format's end records (APPNOTE 4.3.14 to 4.3.16), the fields read.
constexpr qsizetype endSize = 22; // end of central directory, without its comment
constexpr qsizetype maxCommentSize = 0xffff;
constexpr qsizetype locatorSize = 20;  // zip64 end of central directory locator
constexpr qsizetype zip64EndSize = 56; // zip64 end of central directory record
const QByteArray endSignature("PK\x05\x06", 4);
const QByteArray locatorSignature("PK\x06\x07", 4);
const QByteArray zip64EndSignature("PK\x06\x06", 4);

quint64 zip64Entries(QIODevice &device, quint64 offset)
{
    if (offset > quint64(device.size()) || !device.seek(qint64(offset)))
        return 0;
    const QByteArray record = device.read(zip64EndSize);
    if (record.size() < zip64EndSize || !record.startsWith(zip64EndSignature))
        return 0;
    return std::max(qFromLittleEndian<quint64>(record.constData() + 24),
                    qFromLittleEndian<quint64>(record.constData() + 32));
}

} // namespace

quint64 claimedEntries(QIODevice &device)
{
    const qint64 size = device.size();
    const qint64 tailSize = std::min<qint64>(size, endSize + maxCommentSize + locatorSize);
    if (!device.seek(size - tailSize))
        return 0;
    const QByteArray tail = device.read(tailSize);
    quint64 most = 0;
    for (qsizetype at = tail.indexOf(endSignature); at >= 0 && at + endSize <= tail.size();
         at = tail.indexOf(endSignature, at + 1)) {
        const char *end = tail.constData() + at;
        most = std::max(
            {most, quint64(qFromLittleEndian<quint16>(end + 8)), quint64(qFromLittleEndian<quint16>(end + 10))});
        if (at >= locatorSize && QByteArrayView(tail).sliced(at - locatorSize, 4) == locatorSignature)
            most = std::max(most, zip64Entries(device, qFromLittleEndian<quint64>(end - locatorSize + 8)));
    }
    device.seek(0);
    return most;
}
