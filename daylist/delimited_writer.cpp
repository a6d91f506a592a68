#include "daylist/delimited_writer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isSpecial(char16_t c, char16_t delimiter) { return c == delimiter || c == u'"' || c == u'\n' || c == u'\r'; }

// Most cells need no quotes, and the explanations are long: eight
// characters are compared at a time where the processor can.
bool needsQuotes(QStringView cell, QChar delimiter)
{
    const char16_t *const chars = cell.utf16();
    const char16_t d = delimiter.unicode();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i wanted[] = {_mm_set1_epi16(short(d)), _mm_set1_epi16(u'"'), _mm_set1_epi16(u'\n'),
                              _mm_set1_epi16(u'\r')};
    for (; i + 8 <= cell.size(); i += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + i));
        const __m128i found =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(eight, wanted[0]), _mm_cmpeq_epi16(eight, wanted[1])),
                         _mm_or_si128(_mm_cmpeq_epi16(eight, wanted[2]), _mm_cmpeq_epi16(eight, wanted[3])));
        if (_mm_movemask_epi8(found) != 0)
            return true;
    }
#endif
    for (; i < cell.size(); ++i) {
        if (isSpecial(chars[i], d))
            return true;
    }
    return false;
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
