#pragma once

#include "national/checkup_document.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// The examinees of a run's national files, each by the card (被保険者証等
// 番号, with the insurer's number and the card's symbol where given) and the
// date of the checkup: an institution that sends a file again sends the
// same examinee twice. The first file of each is kept, to be named beside
// the second.
//
// A run may hold 100,000 files, so each examinee costs what its key and
// file name take in UTF-8, packed one after another in blocks that never
// move, and a slot of the hash of its key: about 130 bytes, 13 MB for
// 100,000, where a string of each would take twice that.
class ExamineesSeen {
public:
    // The file that brought the same examinee and date before, if one did;
    // otherwise `file` is kept for them. A header without a card number or
    // a date names no one to compare.
    std::optional<QString> earlierFile(const CheckupHeader &header, const QString &file);

private:
    // Where an examinee's key and first file stand in the blocks.
    struct Kept {
        quint32 block;
        quint32 offset;
        quint32 keySize;
        quint32 fileSize;
    };
    QByteArrayView keyOf(const Kept &kept) const;
    Kept keep(const QByteArray &key, const QByteArray &file);

    std::vector<QByteArray> m_blocks;
    QHash<size_t, Kept> m_byKeyHash;
};

// "<card number> <date>: <earlier> と <file>", as the summary names them.
QString repeatedExamineeText(const CheckupHeader &header, const QString &earlier, const QString &file);
