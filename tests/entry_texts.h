#pragma once

#include "judgement/entries.h"

#include <QStringList>
#include <QtGlobal>

#include <algorithm>

// An examinee's entries keyed by the items' words, "身長=170;体重=65", so
// that a fixture names the item of each value and an item added to the
// catalogue shifts none of them; an item not named stays empty.
inline EntrySnapshot entriesOf(const QString &texts, bool female = false)
{
    EntrySnapshot entries;
    entries.female = female;
    for (const QString &named : texts.split(u';', Qt::SkipEmptyParts)) {
        const QString word = named.section(u'=', 0, 0);
        const auto item =
            std::ranges::find_if(kMeasuredItems, [&](const MeasuredItem &row) { return word == row.word; });
        if (item == kMeasuredItems.end())
            qFatal("no measured item %s", qPrintable(word));
        entryText(entries, item->entry) = named.section(u'=', 1);
    }
    return entries;
}

// A complete man with every value below its limit: no prompt, and no value
// that would itself give a reason.
inline EntrySnapshot unremarkableEntries()
{
    return entriesOf(QStringLiteral("身長=170;体重=65;BMI=22.5;腹囲=80;最高血圧=120;最低血圧=70;"
                                    "中性脂肪=100;HDL-CHO=50;空腹時血糖=90;HbA1c=5.0"));
}
