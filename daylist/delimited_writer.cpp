#include "daylist/delimited_writer.h"

#include "words/desk_names.h"

#include <QRegularExpression>

namespace {

// All bits set where a character is the delimiter, a quote or a line break;
// none where it is anything else.
short specialMask(char16_t c, char16_t delimiter)
{
    return short(-(c == delimiter)) | short(-(c == u'"')) | short(-(c == u'\n')) | short(-(c == u'\r'));
}

// Most cells need no quotes: a cell is written as it stands unless it
// holds the delimiter, a quote or a line break. Almost every cell is looked
// through to its end, so the loop has no early exit and no branch per
// character: the compiler then compares eight characters at a time, and the
// long explanations, where Japanese and ASCII mix, cost no mispredicted
// branch.
bool needsQuotes(QStringView cell, QChar delimiter)
{
    const char16_t d = delimiter.unicode();
    const char16_t *const chars = cell.utf16();
    short special = 0;
    for (qsizetype i = 0; i < cell.size(); ++i)
        special |= specialMask(chars[i], d);
    return special != 0;
}

// The characters a spreadsheet takes as the start of a formula.
bool startsAsFormula(QStringView cell) { return !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front()); }

// A number a spreadsheet reads as one: "-5", "+12.5".
bool isSignedDecimal(const QString &cell)
{
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?[0-9]+(\.[0-9]+)?$)"));
    return number.match(cell).hasMatch();
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

QString spreadsheetText(const QString &cell)
{
    const QString visible = visibleText(cell);
    return startsAsFormula(cell) && !isSignedDecimal(cell) ? u'\'' + visible : visible;
}
