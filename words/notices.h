#pragma once

#include <QString>

// What the window says about its results and about what it just did, besides
// the results themselves: the notices of the explanations and of the message
// line under the results.

// The results no longer belong to the entries and choices on screen.
inline QString outdatedResultsNotice()
{
    return QStringLiteral("判定のあとで入力が変わりました。もう一度判定してください。");
}

// The copy of the judged record.
inline QString copiedNotice() { return QStringLiteral("コピーしました"); }
inline QString nothingToCopyNotice() { return QStringLiteral("コピーする判定結果がありません"); }
// A refused copy took the row copied before off the clipboard, so that the
// previous examinee's results cannot be pasted in this one's place: why, and
// that it did, in one line.
inline QString staleRowRemovedNotice(bool outdated)
{
    return outdated ? QStringLiteral("入力が変わったので、クリップボードの前の行を消しました")
                    : QStringLiteral("判定結果がないので、クリップボードの前の行を消しました");
}

// The undo of Reset and of a paste.
inline QString undoneNotice() { return QStringLiteral("元に戻しました"); }
inline QString nothingToUndoNotice() { return QStringLiteral("元に戻せるのは Reset か貼り付けの直後だけです"); }

// The paste of one examinee (Ctrl+Shift+V): what was pasted and what to do
// next, or why nothing was.
// Of several rows only the first is pasted, and the line says so.
inline QString pastedNotice(bool firstOfSeveral)
{
    return firstOfSeveral ? QStringLiteral("最初の行の受診者を貼り付けました")
                          : QStringLiteral("受診者を貼り付けました");
}
inline QString pressBandNotice(bool firstOfSeveral, const QString &band)
{
    return (firstOfSeveral ? QStringLiteral("最初の行を貼り付けました。") : QStringLiteral("貼り付けました。")) + band
           + QStringLiteral(" を押して判定してください");
}
// A judgement with the other band's button than the one the pasted row named.
inline QString otherBandJudgedNotice(const QString &pasted, const QString &judged)
{
    return QStringLiteral("貼り付けた行は ") + pasted + QStringLiteral("。") + judged
           + QStringLiteral(" で判定しました");
}
inline QString notPastedNotice(const QString &column, const QString &reason)
{
    return QStringLiteral("貼り付けませんでした: ") + (column.isEmpty() ? QString() : column + QStringLiteral(" "))
           + reason;
}

// F1 before any judgement: one short line.
inline QString nothingToExplainNotice() { return QStringLiteral("まだ判定していません。"); }
