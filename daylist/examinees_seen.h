#pragma once

#include "national/checkup_document.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The examinees of a run's national files, each by the card (被保険者証等
// 番号, with the insurer's number and the card's symbol where given) and the
// date of the checkup: an institution that sends a file again sends the
// same examinee twice. The first file of each is kept, to be named beside
// the second, both in UTF-8: about 255 bytes an examinee whose file is named
// "<archive>.zip: DATA/<file>.xml", 26 MB for 100,000 (335 bytes as text).
class ExamineesSeen {
public:
    // The file that brought the same examinee and date before, if one did;
    // otherwise `file` is kept for them. A header without a card number or
    // a date names no one to compare.
    std::optional<QString> earlierFile(const CheckupHeader &header, const QString &file);

private:
    QHash<QByteArray, QByteArray> m_firstFiles; // key -> the first file's name
};

// "<card number> <date>: <earlier> と <file>", as the summary names them.
QString repeatedExamineeText(const CheckupHeader &header, const QString &earlier, const QString &file);
