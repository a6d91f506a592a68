#pragma once

#include "national/source_limits.h"
#include "words/message_words.h"

#include <QString>

// Why an input, or one file of it, was not read: in the desk's words. The
// file's own name is written beside these by whoever lists the file.

inline QString damagedArchiveProblem(const QString &reason)
{
    return QStringLiteral("ZIP ファイルが壊れています: ") + reason;
}
inline QString tooManyEntriesProblem()
{
    return QStringLiteral("ファイルが多すぎます: %L1 個を超えています").arg(maxSourceEntries);
}

// An archive's entry, as it would be unpacked; a file of the disk, as it is.
inline QString tooLargeRefusal()
{
    return QStringLiteral("大きすぎます: 展開すると %1 MiB を超えます").arg(maxFileBytes / (1024 * 1024));
}
inline QString tooLargeFileRefusal() { return tooLargeText(maxFileBytes); }
inline QString packingRatioRefusal()
{
    return QStringLiteral("圧縮率が高すぎます: 展開すると圧縮された大きさの %1 倍を超えます").arg(maxPackingRatio);
}
inline QString encryptedRefusal() { return QStringLiteral("暗号化されています: 読めません"); }
inline QString packingMethodRefusal(int method)
{
    return QStringLiteral("読めない圧縮方式です (方式 %1): 無圧縮か deflate で圧縮されたものだけを読みます")
        .arg(method);
}
inline QString nestedArchiveRefusal() { return QStringLiteral("アーカイブの中のアーカイブです: 開きません"); }
inline QString brokenEntryRefusal(const QString &reason) { return QStringLiteral("壊れています: ") + reason; }
inline QString unreadableFileRefusal(const QString &reason) { return QStringLiteral("読めません: ") + reason; }
inline QString specialFileRefusal() { return placedMessage(notRegularFileText(), QStringLiteral("開きません")); }
