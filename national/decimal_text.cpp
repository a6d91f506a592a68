#include "national/decimal_text.h"

#include <QRegularExpression>

namespace {

// The whole part without its leading zeros, the fraction without its
// trailing ones: "040.50" as "40" and "5".
struct Digits {
    QStringView whole;
    QStringView fraction;
};

Digits digitsOf(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    Digits digits{point < 0 ? text : text.left(point), point < 0 ? QStringView() : text.mid(point + 1)};
    while (!digits.whole.isEmpty() && digits.whole.front() == u'0')
        digits.whole = digits.whole.mid(1);
    while (!digits.fraction.isEmpty() && digits.fraction.back() == u'0')
        digits.fraction.chop(1);
    return digits;
}

// One more or one less than a whole number written in digits (leading
// zeros allowed); none below zero.
std::optional<QString> stepped(QString digits, bool up)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const QChar carried = up ? u'0' : u'9';
        if (digits[i] != (up ? u'9' : u'0')) {
            digits[i] = QChar(digits[i].unicode() + (up ? 1 : -1));
            return digits;
        }
        digits[i] = carried;
    }
    if (up)
        return u'1' + digits;
    return std::nullopt;
}

// A whole number of units of the last place as a decimal with `decimals`
// places: "399" with 1 as "39.9".
QString withPlaces(QString units, int decimals)
{
    while (units.size() > decimals + 1 && units.front() == u'0')
        units.remove(0, 1);
    if (units.size() < decimals + 1)
        units.prepend(QString(decimals + 1 - units.size(), u'0'));
    if (decimals > 0)
        units.insert(units.size() - decimals, u'.');
    return units;
}

// The furthest an exponent moves the point: far beyond any measurement.
constexpr int kMaxExponent = 20;

} // namespace

std::strong_ordering compareDecimals(QStringView a, QStringView b)
{
    const Digits x = digitsOf(a), y = digitsOf(b);
    if (x.whole.size() != y.whole.size())
        return x.whole.size() <=> y.whole.size();
    if (const int whole = x.whole.compare(y.whole); whole != 0)
        return whole <=> 0;
    return x.fraction.compare(y.fraction) <=> 0;
}

std::optional<QString> numberOnSideOf(QStringView written, bool atLeast, int decimals)
{
    const Digits digits = digitsOf(written);
    // The written number in units of the last place, cut after it; whether
    // anything was cut.
    QString units = digits.whole.toString() + digits.fraction.left(decimals).toString();
    units += QString(decimals - qMin<qsizetype>(decimals, digits.fraction.size()), u'0');
    const bool cut = digits.fraction.size() > decimals;
    std::optional<QString> onSide = units;
    if (atLeast && cut)
        onSide = stepped(units, true);
    else if (!atLeast && !cut)
        onSide = stepped(units, false);
    if (!onSide || compareDecimals(*onSide, u"0") != std::strong_ordering::greater)
        return std::nullopt;
    return withPlaces(*onSide, decimals);
}

QString plainDecimal(const QString &written)
{
    if (!written.contains(u'e', Qt::CaseInsensitive))
        return written;
    static const QRegularExpression real(QStringLiteral(R"(^(-?)(\d*)(?:\.(\d*))?[eE]([-+]?\d{1,3})$)"));
    const QRegularExpressionMatch match = real.match(written);
    const int exponent = match.hasMatch() ? match.captured(4).toInt() : 0;
    if (!match.hasMatch() || match.capturedLength(2) + match.capturedLength(3) == 0 || qAbs(exponent) > kMaxExponent)
        return written;
    const QString digits = match.captured(2) + match.captured(3);
    // Where the point stands among the digits once the exponent has moved it.
    const qsizetype point = match.capturedLength(2) + exponent;
    QString plain;
    if (point <= 0)
        plain = QStringLiteral("0.") + QString(-point, u'0') + digits;
    else if (point >= digits.size())
        plain = digits + QString(point - digits.size(), u'0');
    else
        plain = digits.left(point) + u'.' + digits.mid(point);
    while (plain.size() > 1 && plain.front() == u'0' && plain[1] != u'.')
        plain.remove(0, 1);
    return match.captured(1) + plain;
}
