#pragma once

#include "national/checkup_document.h"

#include <QHash>
#include <QString>

#include <optional>

// The examinees of a run's national files, each by the card (被保険者証等
// 番号, with the insurer's number and the card's symbol where given) and the
// date of the checkup: an institution that sends a file again sends the
// same examinee twice. The first file of each is kept, to be named beside
// the second: about 200 bytes an examinee, some 20 MB for 100,000.
class ExamineesSeen {
public:
    // The file that brought the same examinee and date before, if one did;
    // otherwise `file` is kept for them. A header without a card number or
    // a date names no one to compare.
    std::optional<QString> earlierFile(const CheckupHeader &header, const QString &file);

private:
    QHash<QString, QString> m_firstFiles;
};

// "<card number> <date>: <earlier> と <file>", as the summary names them.
QString repeatedExamineeText(const CheckupHeader &header, const QString &earlier, const QString &file);
