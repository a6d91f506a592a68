#pragma once

#include <QString>

// What the window says about its results, besides the results themselves.

// The results no longer belong to the entries and choices on screen.
inline QString outdatedResultsNotice()
{
    return QStringLiteral("判定のあとで入力が変わりました。もう一度判定してください。");
}
