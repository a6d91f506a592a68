#pragma once

#include "examinee/decoded_text.h"

#include <QString>
#include <QStringList>

// One record of delimited text and the line of the file where it starts.
struct DelimitedRecord {
    QStringList cells;
    qsizetype line = 0;
};

// Comma- or tab-separated text as RFC 4180 has it: a cell in double quotes
// may hold the delimiter, line breaks and quotes (written twice); records end
// with CRLF or LF. The delimiter is the one the heading line holds more of.
class DelimitedReader {
public:
    enum class Error { None, InvalidBytes, UnreadableFile, UnclosedQuote };

    explicit DelimitedReader(DecodedText &text);

    // The delimiter, found from the heading line when first asked.
    QChar delimiter();

    // The next record; false at the end of the text or on an error.
    bool read(DelimitedRecord &record);
    Error error() const { return m_error; }
    qsizetype errorLine() const { return m_errorLine; }

private:
    enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted };

    bool fill();
    void fail(Error error, qsizetype line);

    DecodedText &m_text;
    QString m_buffer;
    qsizetype m_pos = 0;
    QChar m_delimiter;
    bool m_delimiterKnown = false;
    bool m_skipLineFeed = false; // a CR ended the last record
    qsizetype m_line = 1;
    Error m_error = Error::None;
    qsizetype m_errorLine = 0;
};
