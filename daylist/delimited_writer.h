#pragma once

#include <QString>
#include <QStringList>

// One record of delimited text as RFC 4180 writes it, ending with CRLF: a
// cell that holds the delimiter, a quote or a line break is put in quotes,
// its quotes written twice.
QString delimitedLine(const QStringList &cells, QChar delimiter);
