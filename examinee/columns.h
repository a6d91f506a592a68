#pragma once

#include "state/measured_items.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

// What a column of a day's list holds, found from its heading: one of the
// window's headings, a desk's usual name (with or without a unit in
// parentheses), or an item code of the national data standard. The measured
// items are the catalogue's (state/measured_items.h), one Item each, in its
// order; the others are what a row says beside them.
enum class Item {
    Sex,
    Measured, // the first measured item; itemOf() gives each
    BloodPressureDrugs = Measured + int(kEntryCount),
    LipidDrugs,
    GlucoseDrugs,
    Smoking,
    AgeBand,
    FiscalYearEndAge,
    BirthDate,
    ExamDate,
};
inline constexpr std::size_t kItemCount = std::size_t(Item::ExamDate) + 1;

constexpr Item itemOf(Entry entry) { return Item(int(Item::Measured) + int(entry)); }

// The measured entry an item is, if it is one.
constexpr std::optional<Entry> entryOf(Item item)
{
    const int index = int(item) - int(Item::Measured);
    if (index < 0 || index >= int(kEntryCount))
        return std::nullopt;
    return Entry(index);
}

struct ItemColumn {
    qsizetype column;
    Reading reading = Reading::Only;
};

// A column that names something the judgement must not read, and why; the
// item it is a kind of, where it is one (a non-fasting triglyceride value
// is of the triglycerides, HbA1c (JDS) of HbA1c).
struct UnusedColumn {
    qsizetype column;
    QString why;
    std::optional<Item> item = std::nullopt;
};

struct ColumnPlan {
    std::array<QList<ItemColumn>, kItemCount> items;
    QList<UnusedColumn> unused;

    const QList<ItemColumn> &of(Item item) const { return items[std::size_t(item)]; }
};

ColumnPlan planColumns(const QStringList &headings);

// Whether the text has the shape of an item code of the national data
// standard: seventeen ASCII digits and capital letters, "9N501000000000011".
bool isItemCode(QStringView text);

// The item's name in the desk's words, for a message: "腹囲", "血圧 薬剤治療".
QString itemName(Item item);

// The item code of the national data standard of a choice
// ("9N701000000000011" of the blood pressure's drug treatment); empty for
// any other item.
QString choiceItemCode(Item item);

// Every heading read as the item, the window's own first: "最高血圧",
// "収縮期血圧", "血圧(最高)", …; compared in any width, without blanks, and
// without a unit in brackets. (Item codes of the national data standard are
// read as well.)
QStringList headingsOf(Item item);

// The headings that name the examinee, in the order one is chosen to name a
// row: "受診者ID", …, "氏名", "カナ氏名". Copied as they are.
QStringList examineeIdHeadings();

// The column that names the examinee in a message: the first of those
// headings that the list has, compared as headings are; -1 if none.
qsizetype examineeIdColumn(const QStringList &headings);

// What the list lacks to be judged at all: the name of each required item
// that no column holds, and of the age band when nothing tells it.
QStringList missingItems(const ColumnPlan &plan);

// The headings of a heading line that are neither an item, nor a column known
// not to be read, nor one that names the examinee: for a message that shows
// the desk which of its headings were not understood.
QStringList unrecognisedHeadings(const QStringList &headings);

// Whether a record can be the heading line: one of its cells is a heading of
// the sex and one a heading of a measured item (whole cells, compared as
// headings are).
bool canBeHeadingLine(const QStringList &cells);
