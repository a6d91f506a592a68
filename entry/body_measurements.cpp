#include "entry/body_measurements.h"

#include "entry/numeric_entry.h"
#include "state/design_names.h"
#include "state/measured_items.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>

namespace {

constexpr double kCm2PerM2 = 10000.0;
constexpr int kSignificantDigits = 15;

bool femaleSelected(const FormControls &form) { return form.isSelected(Choice::kFemale); }

// Height or weight changed: the BMI display follows the current height and
// weight, then the class follows the display. When the height reads 0 or
// less (emptied, zero, negative), a BMI already shown is emptied, not left
// standing: no stale BMI is ever shown, classed or judged, and an empty
// display makes the judgement ask for Step1 again.
void bodyValueChanged(FormControls &form, Field ownField)
{
    const auto bmi = bodyMassIndex(form.value(Field::Text9), form.value(Field::Text10));
    form.setCaption(Readout::Label30, bmi ? formatOneDecimal(*bmi) : QString());
    writeWaistBmiClass(form, femaleSelected(form));
    CleanNumericText(form, ownField);
}

} // namespace

std::optional<double> bodyMassIndex(double heightCm, double weightKg)
{
    if (!(heightCm > 0))
        return std::nullopt;
    const double bmi = weightKg / (heightCm * heightCm) * kCm2PerM2;
    if (!std::isfinite(bmi))
        return std::nullopt;
    return bmi;
}

namespace {

// Below this a value's 15 significant digits lie within 1e-10 of it, and
// its tenths are computed within far less than kClearOfHalf.
constexpr double kPlainRoundingBelow = 1e4;
constexpr double kClearOfHalf = 1e-6;

// A value whose tenths are clearly above or below a half rounds the same
// way from its 15 digits as from itself: it is rounded straight away. Only
// a value at or next to a half needs its digits (24.95, held as 24.9499…).
std::optional<QString> plainOneDecimal(double value)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < kPlainRoundingBelow))
        return std::nullopt;
    const double tenths = magnitude * 10;
    if (std::fabs(tenths - std::floor(tenths) - 0.5) <= kClearOfHalf)
        return std::nullopt;
    auto rounded = static_cast<std::uint32_t>(std::floor(tenths + 0.5));
    if (rounded == 0 && value >= 0) {
        // What the display shows while the weight is still empty.
        static const QString zero = QStringLiteral("0.0");
        return zero;
    }
    char16_t text[8];
    char16_t *first = std::end(text);
    *--first = char16_t(u'0' + rounded % 10);
    *--first = u'.';
    rounded /= 10;
    do {
        *--first = char16_t(u'0' + rounded % 10);
        rounded /= 10;
    } while (rounded > 0);
    if (value < 0)
        *--first = u'-';
    return QString(reinterpret_cast<const QChar *>(first), std::end(text) - first);
}

} // namespace

QString formatOneDecimal(double value)
{
    if (auto plain = plainOneDecimal(value))
        return *plain;

    // "d.dddddddddddddde±xx": the first 15 significant digits and the power.
    // (std::to_chars writes what printf's "%.14e" writes, several times faster.)
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific,
                                   kSignificantDigits - 1);
    *end.ptr = '\0';
    std::string digits(1, buf[0]);
    digits.append(buf + 2, kSignificantDigits - 1);
    const int integerDigits = std::atoi(std::strchr(buf, 'e') + 1) + 1;

    // Lay the digits out as integer part + decimals, with at least one
    // integer digit and at least two decimals (one shown, one for rounding).
    std::string laid(std::size_t(std::max(0, 1 - integerDigits)), '0');
    laid += digits;
    std::size_t pointAt = std::size_t(std::max(integerDigits, 1));
    if (laid.size() < pointAt + 2)
        laid.append(pointAt + 2 - laid.size(), '0');

    const bool roundUp = laid[pointAt + 1] >= '5';
    laid.resize(pointAt + 1);
    if (roundUp) {
        std::size_t i = laid.size();
        while (i > 0 && laid[i - 1] == '9')
            laid[--i] = '0';
        if (i == 0) {
            laid.insert(laid.begin(), '1');
            ++pointAt;
        } else {
            ++laid[i - 1];
        }
    }

    QString shown = value < 0 ? QStringLiteral("-") : QString();
    shown += QString::fromLatin1(laid.data(), qsizetype(pointAt));
    shown += u'.';
    shown += QChar(laid[pointAt]);
    return shown;
}

int waistBmiClass(double waistCm, double displayedBmi, bool female)
{
    constexpr LimitKind kind = LimitKind::SyndromeCriterion;
    if (reachesLimit(Entry::Waist, waistCm, kind, female))
        return 1;
    return reachesLimit(Entry::Bmi, displayedBmi, kind) ? 2 : 0;
}

void writeWaistBmiClass(FormControls &form, bool female)
{
    form.indicators().write(kWaistBmiClass,
                            waistBmiClass(form.value(Field::Text12), form.value(Readout::Label30), female));
}

void Text9_Change(FormControls &form) { bodyValueChanged(form, Field::Text9); }
void Text10_Change(FormControls &form) { bodyValueChanged(form, Field::Text10); }

void Text12_Change(FormControls &form)
{
    writeWaistBmiClass(form, femaleSelected(form));
    CleanNumericText(form, Field::Text12);
}
