#include "words/system_errors.h"

#include <cerrno>

namespace {

struct SystemErrorRow {
    int errorNumber;
    const char16_t *words;
};

// clang-format off
constexpr SystemErrorRow kSystemErrors[] = {
    {ENOENT,       u"ファイルがありません"},
    {ENOTDIR,      u"途中のフォルダーがありません"},
    {EISDIR,       u"フォルダーです"},
    {EACCES,       u"権限がありません"},
    {EPERM,        u"権限がありません"},
    {EROFS,        u"書き込めない場所です (読み取り専用)"},
    {EEXIST,       u"ファイルがすでにあります"},
    {ENOSPC,       u"ディスクに空きがありません"},
#ifdef EDQUOT // a disk quota, which the Windows C runtime does not number
    {EDQUOT,       u"ディスクの使用量が上限に達しています"},
#endif
    {EFBIG,        u"ファイルが大きすぎます"},
    {ENAMETOOLONG, u"名前が長すぎます"},
    {ELOOP,        u"シンボリックリンクが多すぎるか、輪になっています"},
    {EMFILE,       u"開いているファイルが多すぎます"},
    {ENFILE,       u"開いているファイルが多すぎます"},
    {EBUSY,        u"使用中です"},
    {EIO,          u"ディスクの読み書きに失敗しました"},
};
// clang-format on

} // namespace

QString systemErrorText(int errorNumber, const QString &libraryText)
{
    for (const SystemErrorRow &row : kSystemErrors) {
        if (row.errorNumber == errorNumber)
            return QString::fromUtf16(row.words);
    }
    return unknownErrorText(libraryText);
}

QString unknownErrorText(const QString &libraryText) { return QStringLiteral("失敗しました (") + libraryText + u')'; }
