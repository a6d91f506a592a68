#pragma once

#include <QString>
#include <QStringView>

// The pieces that the desk's messages share, whichever program or layer
// writes them: each is written here once, so that a file, a row or a
// reason reads the same on standard error, in a cell and in the help.

// Between reasons, notes or words written on one line, or in one cell of a
// record that must stay one cell.
inline const QString kReasonSeparator = QStringLiteral(" / ");

// "行 12: …", "DATA/h1.xml: …": a message said of where it happened.
inline QString placedMessage(const QString &where, const QString &message)
{
    return where + QStringLiteral(": ") + message;
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
