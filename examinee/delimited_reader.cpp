#include "examinee/delimited_reader.h"

namespace {

// The bytes of the characters in the encoding they were read from. Every
// character of a valid file reads back from bytes of one length: UTF-16 two
// a unit; UTF-8 one to three, four for a surrogate pair (two a unit); CP932
// one for ASCII and the half-width katakana, two for every other character,
// the duplicate codes of NEC and IBM included.
qint64 utf8Bytes(const QChar *chars, qsizetype size)
{
    qint64 bytes = size;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c >= 0x80)
            bytes += c < 0x800 || QChar::isSurrogate(c) ? 1 : 2;
    }
    return bytes;
}

qint64 cp932Bytes(const QChar *chars, qsizetype size)
{
    qint64 bytes = size;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        bytes += c >= 0x80 && (c < 0xFF61 || c > 0xFF9F);
    }
    return bytes;
}

qint64 encodedBytes(TextEncoding encoding, const QChar *chars, qsizetype size)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom: return utf8Bytes(chars, size);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: return 2 * qint64(size);
    case TextEncoding::Cp932: break;
    }
    return cp932Bytes(chars, size);
}

// The characters a record read so far holds: its cells, the one being read
// and a delimiter between each two.
qint64 heldLength(const DelimitedRecord &record, const QString &cell)
{
    qint64 length = cell.size() + record.cells.size();
    for (const QString &done : record.cells)
        length += done.size();
    return length;
}

} // namespace

DelimitedReader::DelimitedReader(DecodedText &text) : m_text(text), m_countBytes(text.keepsBytes()) {}

bool DelimitedReader::fill()
{
    if (m_pos < m_buffer.size())
        return true;
    if (m_countBytes && !m_buffer.isEmpty()) {
        byteOffsetAt(m_buffer.size());
        m_countedPos = 0;
    }
    m_bufferStart += m_buffer.size();
    m_buffer = m_text.next();
    m_pos = 0;
    return !m_buffer.isEmpty();
}

// Asked only once some text is read, when the start of the text is known.
qint64 DelimitedReader::byteOffsetAt(qsizetype pos)
{
    if (!m_startCounted) {
        m_countedBytes = m_text.textStart();
        m_startCounted = true;
    }
    m_countedBytes += encodedBytes(m_text.encoding(), m_buffer.constData() + m_countedPos, pos - m_countedPos);
    m_countedPos = pos;
    return m_countedBytes;
}

void DelimitedReader::fail(Error error, qsizetype row)
{
    m_error = error;
    m_errorRow = row;
}

QChar DelimitedReader::delimiter()
{
    if (m_delimiterKnown)
        return m_delimiter;
    // Gather the first line that holds either (to its first line break
    // outside quotes): a title above the heading line may hold neither.
    int tabs = 0, commas = 0;
    int lines = 0;
    bool quoted = false;
    qsizetype i = m_pos;
    for (bool more = true; more;) {
        for (; i < m_buffer.size(); ++i) {
            const QChar c = m_buffer[i];
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && (c == u'\n' || c == u'\r') && (tabs + commas > 0 || ++lines == kHeadingLineSearch))
                break;
            else if (!quoted && c == u'\t')
                ++tabs;
            else if (!quoted && c == u',')
                ++commas;
        }
        if (i < m_buffer.size() || m_bufferStart + m_buffer.size() >= kHeadingSearchLength)
            break;
        const QString piece = m_text.next();
        more = !piece.isEmpty();
        m_buffer += piece;
    }
    m_delimiter = tabs > commas ? u'\t' : u',';
    m_delimiterKnown = true;
    return m_delimiter;
}

bool DelimitedReader::read(DelimitedRecord &record)
{
    const QChar delimiter = this->delimiter();
    record.cells.clear();
    record.cellEnds.clear();
    QString cell;
    State state = State::CellStart;
    bool started = false;
    // The record is measured once a piece, so that the characters run
    // unhindered, and at its end where it ran on from another piece or is
    // long within one (the first piece, gathered while the delimiter is
    // found, may be long).
    bool acrossPieces = false;
    qsizetype startPos = 0;
    while (m_error == Error::None && fill()) {
        const QChar *chars = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        for (; m_pos < size; ++m_pos) {
            const QChar c = chars[m_pos];
            if (m_skipLineFeed) {
                m_skipLineFeed = false;
                if (c == u'\n')
                    continue; // the CR counted the line
            }
            if (!started) {
                started = true;
                record.line = m_line;
                record.row = ++m_row;
                startPos = m_pos;
            }
            if (takeQuoted(c, state, cell))
                continue;
            const bool lineEnd = c == u'\n' || c == u'\r';
            if (c == delimiter || lineEnd) {
                endCell(record, cell);
                state = State::CellStart;
                if (lineEnd) {
                    endLine(record, c);
                    return !((acrossPieces || m_pos - startPos > kLongestRecord) && refusedAsLong(record, cell, state));
                }
                continue;
            }
            if (state == State::CellStart && c == u'"') {
                state = State::Quoted;
                continue;
            }
            // Text after a closing quote is kept, as a spreadsheet keeps it.
            cell += c;
            state = State::Unquoted;
        }
        acrossPieces = started;
        if (started)
            refusedAsLong(record, cell, state);
    }
    if (m_error != Error::None)
        return false;
    return endOfText(record, cell, state, started);
}

bool DelimitedReader::refusedAsLong(const DelimitedRecord &record, const QString &cell, State state)
{
    if (heldLength(record, cell) <= kLongestRecord)
        return false;
    // A quote left open runs on to the end of the file: that is what to mend.
    fail(state == State::Quoted ? Error::UnclosedQuote : Error::LongRecord, m_row);
    return true;
}

bool DelimitedReader::takeQuoted(QChar c, State &state, QString &cell)
{
    if (state == State::Quoted) {
        if (c == u'"')
            state = State::QuoteInQuoted;
        else
            cell += c;
        m_line += c == u'\n';
        return true;
    }
    if (state == State::QuoteInQuoted && c == u'"') {
        cell += c; // a quote written twice
        state = State::Quoted;
        return true;
    }
    return false;
}

void DelimitedReader::endCell(DelimitedRecord &record, QString &cell)
{
    record.cells << cell;
    cell.clear();
    if (m_countBytes)
        record.cellEnds << byteOffsetAt(m_pos);
}

void DelimitedReader::endLine(DelimitedRecord &record, QChar lineBreak)
{
    record.lastLine = m_line;
    ++m_line;
    m_skipLineFeed = lineBreak == u'\r';
    ++m_pos;
}

bool DelimitedReader::endOfText(DelimitedRecord &record, const QString &cell, State state, bool started)
{
    if (m_text.failed()) {
        fail(m_text.readFailed() ? Error::UnreadableFile : Error::InvalidBytes, started ? m_row : m_row + 1);
        return false;
    }
    if (state == State::Quoted) {
        fail(Error::UnclosedQuote, m_row);
        return false;
    }
    if (!started)
        return false;
    record.cells << cell; // the last record without a line break
    if (m_countBytes)
        record.cellEnds << m_countedBytes; // fill() counted to the end
    record.lastLine = m_line;
    return true;
}
