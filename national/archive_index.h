#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// The archive's index (ix08_V08.xml): the number of records it says the
// archive holds (index/totalRecordCount/@value), or why it cannot be read:
// damaged (empty, not well-formed), or not an index.
std::variant<qint64, QString> indexRecordCount(const QByteArray &bytes);
