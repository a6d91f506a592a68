#pragma once

#include "words/text_builder.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// One record of delimited text as RFC 4180 writes it, ending with CRLF: a
// cell that holds the delimiter, a quote or a line break is put in quotes,
// its quotes written twice.
// Built cell by cell; one builder serves line after line, keeping its room.
class DelimitedLine {
public:
    explicit DelimitedLine(QChar delimiter);

    void add(QStringView cell);
    void add(const QStringList &cells);
    // The line so far, with its CRLF.
    QStringView ended();
    // Empty again, for the next line.
    void clear();
    // Empty again, for cells that follow cells already written elsewhere:
    // each of them after a delimiter, with no line break at the end.
    void clearToFollowCells();
    QStringView text() const { return m_line.view(); }

private:
    QChar m_delimiter;
    TextBuilder m_line;
    bool m_first = true;
};

QString delimitedLine(const QStringList &cells, QChar delimiter);

// A cell of a sender's file, written so that a spreadsheet shows it as
// the text it is and the terminal never acts on it: its control characters
// made visible, and a leading apostrophe where it starts as a formula does
// ("=", "+", "-", "@", a tab or a CR) and is not a plain number ("-5").
QString spreadsheetText(const QString &cell);
