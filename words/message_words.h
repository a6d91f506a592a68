#pragma once

#include "words/desk_names.h"

#include <QString>
#include <QStringView>

// The pieces that the desk's messages share, whichever program or layer
// writes them: each is written here once, so that a file, a row or a
// reason reads the same on standard error, in a cell and in the help.

// Between reasons, notes or words written on one line, or in one cell of a
// record that must stay one cell.
inline const QString kReasonSeparator = QStringLiteral(" / ");

// "行 12: …", "DATA/h1.xml: …": a message said of where it happened. A
// file's or an entry's name may hold a line break, shown as its sign so that
// the message stays one line.
inline QString placedMessage(const QString &where, const QString &message)
{
    return visibleText(where) + QStringLiteral(": ") + message;
}

// How much of a cell or a heading a message quotes: enough to find it in
// the list, and no more, so that a wrong file's megabyte cell is never
// echoed whole.
inline constexpr qsizetype kQuotedCellLength = 40;

// A cell or a heading as a message shows it: cut to kQuotedCellLength
// characters with "…" after (never between the halves of a surrogate pair),
// and what could act on a terminal or reorder the text shown as signs.
inline QString messageCell(const QString &cell)
{
    if (cell.size() <= kQuotedCellLength)
        return visibleText(cell);
    const qsizetype cut = kQuotedCellLength - cell[kQuotedCellLength - 1].isHighSurrogate();
    return visibleText(cell.first(cut)) + u'…';
}

// A record of a list, counted from 1 as the desk counts its rows.
inline QString rowPlace(qsizetype row) { return QStringLiteral("行 %1").arg(row); }

inline QString cannotOpenText(const QString &reason) { return QStringLiteral("開けません: ") + reason; }

// A file of no bytes, or of blanks alone.
inline QString emptyFileText() { return QStringLiteral("空のファイルです"); }

// A file, or a stream, larger than the programs read: its limit in MiB.
inline QString tooLargeText(qint64 limitBytes)
{
    return QStringLiteral("大きすぎます: %1 MiB を超えます").arg(limitBytes / (1024 * 1024));
}

// A named pipe, a socket or a device, which the programs never read: it
// could wait for ever or never end.
inline QString notRegularFileText()
{
    return QStringLiteral("通常のファイルではありません (名前付きパイプ、ソケットまたは装置)");
}

// On which side of its limit a value lies: at least the limit, or below it.
inline QString limitSideWord(bool atOrAbove) { return atOrAbove ? QStringLiteral("以上") : QStringLiteral("未満"); }

// "HbA1c 5.5 が 5.6 未満": a value as written against the limit it reached
// or stayed below.
inline QString valueAgainstLimit(const QString &value, const QString &limit, bool atOrAbove)
{
    return value + QStringLiteral(" が ") + limit + u' ' + limitSideWord(atOrAbove);
}
