#include "national/programme_reading.h"

#include "national/decimal_text.h"

#include <cmath>

namespace {

// A non-fasting value is scaled to the one limit of its field.
constexpr bool nonFastingItemsHaveOneLimit()
{
    for (const MeasuredItem &item : kMeasuredItems) {
        if (item.limits.nonFasting != 0 && (item.limits.guidance != item.limits.syndrome || item.limits.bySex))
            return false;
    }
    return true;
}
static_assert(nonFastingItemsHaveOneLimit());

QString &textOf(Examinee &examinee, Entry entry) { return examinee.texts[std::size_t(*fieldOf(entry))]; }

// A non-fasting value of an item the programme counts at a limit of its own
// (the triglycerides' 175 mg/dL), entered on the window's scale: scaled by
// the ratio of the window's limit to the programme's, a whole number on the
// same side of the window's limit as the value is of the programme's. None
// for a value that is not a plain number: the programme could not read it
// either.
std::optional<QString> onWindowScale(Entry entry, const QString &value)
{
    const std::optional<double> number = unsignedDecimal(value);
    if (!number)
        return std::nullopt;
    const RuleLimits &limits = measured(entry).limits;
    const double window = limits.guidance;
    const double scaled = *number * window / limits.nonFasting;
    // The side is settled on the written digits; the scaled number is then
    // held to it.
    const bool counts = compareDecimals(value, QString::number(limits.nonFasting)) >= 0;
    const double entered = counts ? std::max(std::ceil(scaled), window) : std::min(std::floor(scaled), window - 1);
    return QString::number(entered, 'f', 0);
}

} // namespace

std::optional<Examinee> programmeReading(const Examinee &examinee, const NonFastingValues &nonFasting)
{
    Examinee programme = examinee;
    QString &fastingGlucose = textOf(programme, Entry::FastingGlucose);
    QString &hba1c = textOf(programme, Entry::Hba1c);
    if (!fastingGlucose.isEmpty())
        hba1c.clear();
    else if (hba1c.isEmpty() && unsignedDecimal(nonFasting[std::size_t(Entry::FastingGlucose)]))
        fastingGlucose = nonFasting[std::size_t(Entry::FastingGlucose)];
    for (const MeasuredItem &item : kMeasuredItems) {
        const QString &value = nonFasting[std::size_t(item.entry)];
        if (item.limits.nonFasting == 0 || value.isEmpty() || !textOf(programme, item.entry).isEmpty())
            continue;
        if (const std::optional<QString> entered = onWindowScale(item.entry, value))
            textOf(programme, item.entry) = *entered;
    }
    if (programme.texts == examinee.texts)
        return std::nullopt;
    return programme;
}
