#include "daylist/delimited_writer.h"

#include <algorithm>
#include <utility>

namespace {

// A short cell is looked through once; a long one (an explanation) by
// Qt's vectorised search, once for each character that calls for quotes.
constexpr qsizetype kLongCell = 32;

bool needsQuotes(QStringView cell, QChar delimiter)
{
    if (cell.size() >= kLongCell) {
        return cell.contains(delimiter) || cell.contains(u'"') || cell.contains(u'\n') || cell.contains(u'\r');
    }
    return std::any_of(cell.begin(), cell.end(), [delimiter](QChar c) {
        return c == delimiter || (c.unicode() <= u'"' && (c == u'"' || c == u'\n' || c == u'\r'));
    });
}

} // namespace

DelimitedLine::DelimitedLine(QChar delimiter) : m_delimiter(delimiter) {}

void DelimitedLine::add(QStringView cell)
{
    if (!m_first)
        m_line += m_delimiter;
    m_first = false;
    if (!needsQuotes(cell, m_delimiter)) {
        m_line += cell;
        return;
    }
    m_line += u'"';
    for (const QChar c : cell) {
        if (c == u'"')
            m_line += u'"';
        m_line += c;
    }
    m_line += u'"';
}

void DelimitedLine::add(const QStringList &cells)
{
    for (const QString &cell : cells)
        add(cell);
}

QStringView DelimitedLine::ended()
{
    m_line += u"\r\n";
    return m_line;
}

void DelimitedLine::clear()
{
    m_line.resize(0); // keeps the room the longest line took
    m_first = true;
}

QString delimitedLine(const QStringList &cells, QChar delimiter)
{
    DelimitedLine line(delimiter);
    line.add(cells);
    return line.ended().toString();
}
