#include "examinee/delimited_reader.h"

DelimitedReader::DelimitedReader(DecodedText &text) : m_text(text) {}

bool DelimitedReader::fill()
{
    if (m_pos < m_buffer.size())
        return true;
    m_buffer = m_text.next();
    m_pos = 0;
    return !m_buffer.isEmpty();
}

void DelimitedReader::fail(Error error, qsizetype line)
{
    m_error = error;
    m_errorLine = line;
}

QChar DelimitedReader::delimiter()
{
    if (m_delimiterKnown)
        return m_delimiter;
    // Gather the heading line (to its first line break outside quotes).
    int tabs = 0, commas = 0;
    bool quoted = false;
    qsizetype i = m_pos;
    for (bool more = true; more;) {
        for (; i < m_buffer.size(); ++i) {
            const QChar c = m_buffer[i];
            if (c == u'"')
                quoted = !quoted;
            else if (!quoted && (c == u'\n' || c == u'\r'))
                break;
            else if (!quoted && c == u'\t')
                ++tabs;
            else if (!quoted && c == u',')
                ++commas;
        }
        if (i < m_buffer.size())
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
    QString cell;
    State state = State::CellStart;
    bool started = false;
    qsizetype quoteLine = 0;
    while (m_error == Error::None) {
        if (!fill())
            break;
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
            }
            const bool lineEnd = c == u'\n' || c == u'\r';
            if (state == State::Quoted) {
                if (c == u'"')
                    state = State::QuoteInQuoted;
                else
                    cell += c;
                m_line += c == u'\n';
                continue;
            }
            if (state == State::QuoteInQuoted && c == u'"') {
                cell += c; // a quote written twice
                state = State::Quoted;
                continue;
            }
            if (c == delimiter || lineEnd) {
                record.cells << cell;
                cell.clear();
                state = State::CellStart;
                if (lineEnd) {
                    ++m_line;
                    m_skipLineFeed = c == u'\r';
                    ++m_pos;
                    return true;
                }
                continue;
            }
            if (state == State::CellStart && c == u'"') {
                state = State::Quoted;
                quoteLine = m_line;
                continue;
            }
            // Text after a closing quote is kept, as a spreadsheet keeps it.
            cell += c;
            state = State::Unquoted;
        }
    }
    if (m_text.failed()) {
        fail(m_text.readFailed() ? Error::UnreadableFile : Error::InvalidBytes, m_line);
        return false;
    }
    if (state == State::Quoted) {
        fail(Error::UnclosedQuote, quoteLine);
        return false;
    }
    if (!started)
        return false;
    record.cells << cell; // the last record without a line break
    return true;
}
