#pragma once

#include "daylist/added_columns.h"
#include "daylist/delimited_writer.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"

#include <QBuffer>
#include <QStringList>

// The cells that the day's list adds to a row for a judgement, as it writes
// them into the row's line, read back as a reader of the file would.
inline QStringList addedCellsOf(const Judgement &judged)
{
    DelimitedLine line(u',');
    AddedColumns added;
    added.addTo(line, judged);
    QByteArray bytes = line.ended().toString().toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DecodedText text(buffer, TextEncoding::Utf8);
    DelimitedReader reader(text);
    DelimitedRecord record;
    reader.read(record);
    return record.cells;
}
