#pragma once

#include "examinee/decoded_text.h"

#include <QString>
#include <QStringList>

// One record of delimited text: its cells, the lines of the file where it
// starts and ends (more than one where a quoted cell holds a line break) and
// its place among the records, as a spreadsheet numbers its rows. Where the
// text keeps its bytes, the offset in the file where each cell ends (at the
// delimiter or line break after it, or the end of the file).
struct DelimitedRecord {
    QStringList cells;
    qsizetype line = 0;
    qsizetype lastLine = 0;
    qsizetype row = 0;
    QList<qint64> cellEnds;
};

// How many records from the top of a file may hold its heading line: a
// desk's sheet has a title, a date or blank lines above it.
inline constexpr int kHeadingLineSearch = 20;
// How many characters from the top of a file may lie before the heading
// line (the delimiter is found within them too): a title and a heading line
// take a few hundred, a wrong file picked may have no line break at all.
inline constexpr qint64 kHeadingSearchLength = 1024 * 1024;
// The longest record read, in characters: a real row of a day's list takes
// a few hundred. A longer one is no row (a file of another kind, a quote
// left open), and is refused before it takes the memory of a whole file.
inline constexpr qint64 kLongestRecord = 1024 * 1024;

// Comma- or tab-separated text as RFC 4180 has it: a cell in double quotes
// may hold the delimiter, line breaks and quotes (written twice); records end
// with CRLF or LF. The delimiter is the one that the first line holding
// either holds more of (within the lines that may hold the heading line).
class DelimitedReader {
public:
    enum class Error { None, InvalidBytes, UnreadableFile, UnclosedQuote, LongRecord };

    explicit DelimitedReader(DecodedText &text);

    // The delimiter, found from the heading line when first asked.
    QChar delimiter();

    // The next record; false at the end of the text or on an error.
    bool read(DelimitedRecord &record);
    Error error() const { return m_error; }
    // The row of the record where the error stands.
    qsizetype errorRow() const { return m_errorRow; }
    // The characters read from the start of the text, to the end of the last
    // record read.
    qint64 charsRead() const { return m_bufferStart + m_pos; }

private:
    enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted };

    bool fill();
    // A character taken into a quoted cell: false where it stands outside
    // the quotes (after a closing quote it may end the cell).
    bool takeQuoted(QChar c, State &state, QString &cell);
    // The cell ended by a delimiter or line break at the current position.
    void endCell(DelimitedRecord &record, QString &cell);
    // The record ended by the line break at the current position.
    void endLine(DelimitedRecord &record, QChar lineBreak);
    // The text ended (or failed) within the record: the last record, where
    // it has no line break, or the error.
    bool endOfText(DelimitedRecord &record, const QString &cell, State state, bool started);
    void fail(Error error, qsizetype row);
    // Whether the record holds more than kLongestRecord characters, failing
    // the reading if it does.
    bool refusedAsLong(const DelimitedRecord &record, const QString &cell, State state);
    // The offset in the file of the character at pos in the buffer, at or
    // after the last one asked.
    qint64 byteOffsetAt(qsizetype pos);

    DecodedText &m_text;
    QString m_buffer;
    qint64 m_bufferStart = 0; // the characters of the text before the buffer
    qsizetype m_pos = 0;
    QChar m_delimiter;
    bool m_delimiterKnown = false;
    bool m_skipLineFeed = false; // a CR ended the last record
    qsizetype m_line = 1;
    qsizetype m_row = 0; // records read
    bool m_countBytes = false;
    qint64 m_countedBytes = 0; // the offset of the buffer's character at m_countedPos
    qsizetype m_countedPos = 0;
    bool m_startCounted = false;
    Error m_error = Error::None;
    qsizetype m_errorRow = 0;
};
