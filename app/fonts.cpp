#include "app/fonts.h"

#include <QStringList>

QFont designFont(double pointSize)
{
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
