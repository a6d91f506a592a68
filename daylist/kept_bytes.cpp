#include "daylist/kept_bytes.h"

KeptBytesWriter::KeptBytesWriter(DecodedText &text, ResultSink &sink, QChar delimiter, qsizetype headingCount)
    : m_text(text), m_sink(sink), m_cells(delimiter), m_headingCount(headingCount)
{
}

DelimitedLine &KeptBytesWriter::cellsFor(const DelimitedRecord &record)
{
    m_cells.clearToFollowCells();
    for (qsizetype i = record.cells.size(); i < m_headingCount; ++i)
        m_cells.add(QStringView());
    return m_cells;
}

qint64 KeptBytesWriter::insertionPoint(const DelimitedRecord &record) const
{
    return record.cellEnds[std::min(record.cells.size(), m_headingCount) - 1];
}

bool KeptBytesWriter::putInputTo(qint64 end)
{
    if (!m_sink.putBytes(m_text.keptBytes(m_written, end)))
        return false;
    m_written = end;
    m_text.releaseBytes(m_written);
    return true;
}

bool KeptBytesWriter::put(const DelimitedRecord &record)
{
    return putInputTo(insertionPoint(record)) && m_sink.putText(m_cells.text(), record.row);
}

bool KeptBytesWriter::putAsItIs(const DelimitedRecord &record) { return putInputTo(record.cellEnds.last()); }

bool KeptBytesWriter::finish() { return putInputTo(m_text.bytesRead()); }
