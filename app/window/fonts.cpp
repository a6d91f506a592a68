#include "app/window/fonts.h"

#include "app/window/fonts_system.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace {

const QString kDesignFamily = QStringLiteral("ＭＳ Ｐゴシック");
// The same font under its Latin name, as Windows lists it in English.
const QString kDesignFamilyLatin = QStringLiteral("MS PGothic");

// Japanese proportional gothics that stand in for the design's font, the
// closest look first. Each holds every character the window shows.
const QStringList &standIns()
{
    static const QStringList families{
        kDesignFamilyLatin,
        QStringLiteral("IPAPGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("VL PGothic"),
    };
    return families;
}

bool isInstalled(const QStringList &installed, const QString &family)
{
    // Qt names a family that two foundries make "Family [Foundry]".
    for (const QString &name : installed) {
        if (QStringView(name).left(name.indexOf(u" [")).compare(family, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A Windows without Japanese fonts would draw every caption as empty boxes.
// A font shipped with the program is registered only where the design's own
// font is missing.
void addShippedFontWhereDesignFontIsMissing(const QString &shipped, const QStringList &installed)
{
    if (isInstalled(installed, kDesignFamily) || isInstalled(installed, kDesignFamilyLatin))
        return;
    QFontDatabase::addApplicationFont(shipped);
}

// The families every control asks for, chosen once per run: the design's
// font, and where it is missing the one stand-in that is installed. Qt looks
// up each named family that is missing, and the fallbacks of every family it
// could merge glyphs from, again for each size and stretch; so the list names
// no missing stand-in, and the font merges no glyphs from other families (the
// chosen one has all of them). Empty when neither is installed.
const QStringList &chosenFamilies()
{
    static const QStringList families = [] {
        if (const QString shipped = shippedFontFile(); !shipped.isEmpty())
            addShippedFontWhereDesignFontIsMissing(shipped, QFontDatabase::families());
        const QStringList installed = QFontDatabase::families();
        if (isInstalled(installed, kDesignFamily))
            return QStringList{kDesignFamily};
        for (const QString &standIn : standIns()) {
            if (isInstalled(installed, standIn))
                return QStringList{kDesignFamily, standIn};
        }
        return QStringList{};
    }();
    return families;
}

} // namespace

QFont designFont(double pointSize)
{
    QFont font;
    if (!chosenFamilies().isEmpty()) {
        font.setFamilies(chosenFamilies());
        font.setStyleHint(QFont::SansSerif, QFont::NoFontMerging);
    } else {
        // No Japanese gothic at all: Qt's own fallback finds what it can.
        font.setFamilies(QStringList{kDesignFamily} + standIns());
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    // Qt looks a font up anew for each script it is first used with, and a
    // look-up of the missing design family asks fontconfig for fallbacks. A
    // metric asked here looks it up once, for the common script; with
    // merging off, that one match then serves Japanese and Latin text alike.
    QFontMetrics(font).height();
    return font;
}
