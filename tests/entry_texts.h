#pragma once

#include "judgement/entries.h"

#include <QStringList>

#include <algorithm>

// An examinee's entries by the items' words, "身長=170;体重=65": each value
// names its item, so an item added to the catalogue shifts none of them; an
// item not named stays empty.
inline EntrySnapshot entriesOf(const QString &texts, bool female = false)
{
    EntrySnapshot entries{{}, female};
    for (const QString &named : texts.split(u';', Qt::SkipEmptyParts)) {
        const auto item = std::ranges::find(kMeasuredItems, named.section(u'=', 0, 0),
                                            [](const MeasuredItem &row) { return QString::fromUtf8(row.word); });
        if (item == kMeasuredItems.end())
            qFatal("no measured item %s", qPrintable(named));
        entryText(entries, item->entry) = named.section(u'=', 1);
    }
    return entries;
}

// A complete man with every value below its limit: no prompt, and no value
// that would itself give a reason.
inline const EntrySnapshot kUnremarkable = entriesOf(QStringLiteral(
    "身長=170;体重=65;BMI=22.5;腹囲=80;最高血圧=120;最低血圧=70;中性脂肪=100;HDL-CHO=50;空腹時血糖=90;HbA1c=5.0"));
