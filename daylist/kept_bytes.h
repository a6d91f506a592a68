#pragma once

#include "daylist/delimited_writer.h"
#include "daylist/result_sink.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"

// The judged list written as the input's own bytes, every one of them
// unchanged (its quotes, spaces, line breaks and CP932's duplicate codes),
// with the added columns put in where the heading line's added headings
// stand: after the record's cell under the last heading. A record with fewer
// cells first gets empty ones up to the heading count; a longer record's
// cells beyond the headings follow the added ones. Records that get nothing
// (blank lines, the lines above the heading line) go through as they are, so
// that every line of the result is the line of the input with the same
// number.
class KeptBytesWriter {
public:
    KeptBytesWriter(DecodedText &text, ResultSink &sink, QChar delimiter, qsizetype headingCount);

    // The cells to put into the record, after the empty ones it lacks: to
    // be added to before put().
    DelimitedLine &cellsFor(const DelimitedRecord &record);
    // The input up to the record's cell under the last heading, then its
    // cells as added; false if they cannot be written (error() of the sink).
    bool put(const DelimitedRecord &record);
    // The input up to the end of a record that gets nothing, so that its
    // bytes need not be kept: a list of many blank lines takes no memory.
    bool putAsItIs(const DelimitedRecord &record);
    // The rest of the input, to its end.
    bool finish();

private:
    qint64 insertionPoint(const DelimitedRecord &record) const;
    bool putInputTo(qint64 end);

    DecodedText &m_text;
    ResultSink &m_sink;
    DelimitedLine m_cells;
    qsizetype m_headingCount;
    qint64 m_written = 0; // the input's bytes written so far
};
