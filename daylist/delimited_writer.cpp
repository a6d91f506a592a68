#include "daylist/delimited_writer.h"

namespace {

// Looked through whole, without stopping at the first find, so that the
// compiler can compare many characters at once: most cells need no quotes.
bool needsQuotes(QStringView cell, QChar delimiter)
{
    bool special = false;
    for (const QChar c : cell)
        special |= (c == delimiter) | (c == u'"') | (c == u'\n') | (c == u'\r');
    return special;
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

QString delimitedLine(const QStringList &cells, QChar delimiter)
{
    DelimitedLine line(delimiter);
    line.add(cells);
    return line.ended().toString();
}
