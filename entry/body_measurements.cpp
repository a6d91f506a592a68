#include "entry/body_measurements.h"

#include "entry/numeric_entry.h"
#include "state/design_names.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr double kCm2PerM2 = 10000.0;
constexpr int kSignificantDigits = 15;

double selectedWaistLimit(const FormControls &form)
{
    return form.isSelected(Choice::kFemale) ? kFemaleWaistLimitCm : kMaleWaistLimitCm;
}

// Height or weight changed: the BMI display follows the current height and
// weight, then the class follows the display. When the height reads 0 or
// less (emptied, zero, negative), a BMI already shown is emptied, not left
// standing: no stale BMI is ever shown, classed or judged, and an empty
// display makes the judgement ask for Step1 again.
void bodyValueChanged(FormControls &form, Field ownField)
{
    const auto bmi = bodyMassIndex(form.value(Field::Text9), form.value(Field::Text10));
    form.setCaption(Readout::Label30, bmi ? formatOneDecimal(*bmi) : QString());
    writeWaistBmiClass(form, selectedWaistLimit(form));
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

QString formatOneDecimal(double value)
{
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

int waistBmiClass(double waistCm, double displayedBmi, double waistLimitCm)
{
    if (waistCm >= waistLimitCm)
        return 1;
    return displayedBmi >= kBmiLimit ? 2 : 0;
}

void writeWaistBmiClass(FormControls &form, double waistLimitCm)
{
    form.indicators().write(kWaistBmiClass,
                            waistBmiClass(form.value(Field::Text12), form.value(Readout::Label30), waistLimitCm));
}

void Text9_Change(FormControls &form) { bodyValueChanged(form, Field::Text9); }
void Text10_Change(FormControls &form) { bodyValueChanged(form, Field::Text10); }

void Text12_Change(FormControls &form)
{
    writeWaistBmiClass(form, selectedWaistLimit(form));
    CleanNumericText(form, Field::Text12);
}
