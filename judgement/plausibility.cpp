#include "judgement/plausibility.h"

bool isOptionallyNegativeDecimal(QStringView text)
{
    bool digit = false, point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == u'.' && !point)
            point = true;
        else if (!(c == u'-' && i == 0))
            return false;
    }
    return digit;
}

std::optional<ValueToCheck> valueToCheck(const EntrySnapshot &entries, Entry entry)
{
    return valueToCheck(entries, EntryValues(entries), entry);
}

std::optional<ValueToCheck> valueToCheck(const EntrySnapshot &entries, const EntryValues &values, Entry entry)
{
    const QString &text = entryText(entries, entry);
    if (text.isEmpty())
        return std::nullopt;
    if (entry == Entry::Bmi
        && (entryText(entries, Entry::Height).isEmpty() || entryText(entries, Entry::Weight).isEmpty()))
        return std::nullopt;
    const double value = values[entry];
    const PlausibleRange range = measured(entry).plausible;
    if (!isOptionallyNegativeDecimal(text))
        return ValueToCheck{entry, Doubt::NotPlainNumber, value, range};
    if (!(value >= range.low && value <= range.high))
        return ValueToCheck{entry, Doubt::OutOfRange, value, range};
    if (entry == Entry::Diastolic && !entryText(entries, Entry::Systolic).isEmpty() && value >= values[Entry::Systolic])
        return ValueToCheck{entry, Doubt::NotBelowSystolic, value, range};
    return std::nullopt;
}

QList<ValueToCheck> valuesToCheck(const EntrySnapshot &entries, const EntryValues &values)
{
    QList<ValueToCheck> doubts;
    for (const Entry entry : kAllEntries) {
        if (const auto doubt = valueToCheck(entries, values, entry))
            doubts << *doubt;
    }
    return doubts;
}
