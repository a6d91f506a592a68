#include "daylist/delimited_writer.h"

#include <algorithm>

namespace {

bool isSpecial(char16_t c, char16_t delimiter) { return c == delimiter || c == u'"' || c == u'\n' || c == u'\r'; }

// Most cells need no quotes: a cell is written as it stands unless it
// holds the delimiter, a quote or a line break.
bool needsQuotes(QStringView cell, QChar delimiter)
{
    const char16_t d = delimiter.unicode();
    return std::any_of(cell.utf16(), cell.utf16() + cell.size(), [d](char16_t c) { return isSpecial(c, d); });
}

} // namespace

DelimitedLine::DelimitedLine(QChar delimiter) : m_delimiter(delimiter) {}

void DelimitedLine::add(QStringView cell)
{
    if (!m_first)
        m_line << m_delimiter;
    m_first = false;
    if (!needsQuotes(cell, m_delimiter)) {
        m_line << cell;
        return;
    }
    m_line << u'"';
    for (const QChar c : cell) {
        if (c == u'"')
            m_line << u'"';
        m_line << c;
    }
    m_line << u'"';
}

void DelimitedLine::add(const QStringList &cells)
{
    for (const QString &cell : cells)
        add(cell);
}

QStringView DelimitedLine::ended()
{
    m_line << u"\r\n";
    return m_line.view();
}

void DelimitedLine::clear()
{
    m_line.truncate(0); // keeps the room the longest line took
    m_first = true;
}

void DelimitedLine::clearToFollowCells()
{
    m_line.truncate(0);
    m_first = false;
}

QString delimitedLine(const QStringList &cells, QChar delimiter)
{
    DelimitedLine line(delimiter);
    line.add(cells);
    return line.ended().toString();
}
