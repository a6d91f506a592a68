#include "app/fonts.h"

#include <QStringList>

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QFontDatabase>

namespace {

// A Windows without Japanese fonts would draw every caption as empty boxes.
// The Windows build ships IPAPGothic in fonts/ beside the program and
// registers it only where the design's own font is missing.
bool addShippedFontWhereDesignFontIsMissing()
{
    if (QFontDatabase::hasFamily(QStringLiteral("ＭＳ Ｐゴシック"))
        || QFontDatabase::hasFamily(QStringLiteral("MS PGothic")))
        return false;
    return QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath()
                                             + QStringLiteral("/fonts/ipagp.ttf"))
           >= 0;
}

} // namespace
#endif

QFont designFont(double pointSize)
{
#ifdef Q_OS_WIN
    [[maybe_unused]] static const bool shipped = addShippedFontWhereDesignFontIsMissing();
#endif
    QFont font;
    font.setFamilies({
        QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("MS PGothic"),
        QStringLiteral("IPAPGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"),
    });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}
