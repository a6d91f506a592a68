#include "daylist/delimited_writer.h"

#include <algorithm>

namespace {

bool needsQuotes(const QString &cell, QChar delimiter)
{
    return std::any_of(cell.cbegin(), cell.cend(),
                       [delimiter](QChar c) { return c == delimiter || c == u'"' || c == u'\n' || c == u'\r'; });
}

} // namespace

QString delimitedLine(const QStringList &cells, QChar delimiter)
{
    // One allocation for the usual line: every cell, a delimiter between,
    // the line's end, and room for a few quotes.
    qsizetype length = cells.size() + 2;
    for (const QString &cell : cells)
        length += cell.size();
    QString line;
    line.reserve(length + 16);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += delimiter;
        const QString &cell = cells[i];
        if (!needsQuotes(cell, delimiter)) {
            line += cell;
            continue;
        }
        line += u'"';
        for (const QChar c : cell) {
            if (c == u'"')
                line += u'"';
            line += c;
        }
        line += u'"';
    }
    line += u"\r\n";
    return line;
}
