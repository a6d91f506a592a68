#include "state/numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

bool isSkipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Walks the text, skipping blanks, tabs and line feeds between the characters
// that are read.
class Reader {
public:
    explicit Reader(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    void next()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// What a field nearly always holds ("120", "5.6", "-0.75"): an optional
// minus, digits and at most one point, nothing else, and few enough digits
// that they make an exact integer. That integer over an exact power of ten
// is one correctly rounded division: the double nearest the decimal, as
// the general reading below gives it, without building a string.
constexpr int kExactDigits = 15; // 10^15 < 2^53

std::optional<double> plainDecimal(QStringView text)
{
    static constexpr double kPowersOfTen[kExactDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char16_t *at = text.utf16();
    const char16_t *const end = at + text.size();
    const bool negative = at != end && *at == u'-';
    at += negative;
    std::uint64_t mantissa = 0; // wraps past 19 digits, which are refused below
    int digits = 0;
    const char16_t *point = nullptr;
    for (; at != end; ++at) {
        if (const unsigned digit = unsigned(*at) - u'0'; digit <= 9) {
            mantissa = mantissa * 10 + digit;
            ++digits;
        } else if (*at == u'.' && !point) {
            point = at;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > kExactDigits)
        return std::nullopt;
    const double value = double(mantissa) / kPowersOfTen[point ? end - point - 1 : 0];
    return negative ? -value : value;
}

// An optional sign: whether it is a minus.
bool readSign(Reader &in)
{
    const bool negative = in.peek() == u'-';
    if (negative || in.peek() == u'+')
        in.next();
    return negative;
}

// The digits of a number and where its decimal point stands, rebuilt as
// plain ASCII for the standard conversion.
struct Mantissa {
    std::string digits;
    std::int64_t firstSignificant = -1; // index of the first non-zero digit
    std::int64_t pointAt = -1;          // digits before the decimal point
};

// Digits and at most one point; none when no digit stands there.
std::optional<Mantissa> readMantissa(Reader &in)
{
    Mantissa read;
    bool anyDigit = false;
    for (; !in.atEnd(); in.next()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            anyDigit = true;
            if (read.firstSignificant < 0 && c != u'0')
                read.firstSignificant = std::int64_t(read.digits.size());
            read.digits.push_back(char(c.unicode()));
        } else if (c == u'.' && read.pointAt < 0) {
            read.pointAt = std::int64_t(read.digits.size());
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (read.pointAt < 0)
        read.pointAt = std::int64_t(read.digits.size());
    return read;
}

// Keeps exponents in a range where the arithmetic below cannot overflow; any
// exponent this large already decides between infinity and zero.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

// An optional exponent: "E" or "D" (either case), an optional sign, digits.
std::int64_t readExponent(Reader &in)
{
    const QChar e = in.peek().toUpper();
    if (e != u'E' && e != u'D')
        return 0;
    in.next();
    const bool negative = readSign(in);
    std::int64_t exponent = 0;
    for (; !in.atEnd() && isDigit(in.peek()); in.next()) {
        if (exponent < kExponentClamp)
            exponent = exponent * 10 + (in.peek().unicode() - u'0');
    }
    return negative ? -exponent : exponent;
}

// The size of a number with at least one significant digit: an infinity
// where it is too large for a double, zero where it is too small.
double magnitudeOf(const Mantissa &mantissa, std::int64_t exponent)
{
    // Decimal exponent of the leading significant digit: decides overflow
    // against underflow when the conversion reports the value out of range.
    const std::int64_t magnitude = mantissa.pointAt - mantissa.firstSignificant + exponent;

    // The digits read as one integer, times the power of ten that the decimal
    // point and the exponent give it.
    std::string number = mantissa.digits.substr(std::size_t(mantissa.firstSignificant));
    const std::int64_t power = exponent + mantissa.pointAt - std::int64_t(mantissa.digits.size());
    number += 'e';
    number += std::to_string(power);

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

} // namespace

double NumericValue(QStringView text)
{
    if (const auto plain = plainDecimal(text))
        return *plain;

    Reader in(text);
    const bool negative = readSign(in);
    const std::optional<Mantissa> mantissa = readMantissa(in);
    if (!mantissa)
        return 0.0;
    const std::int64_t exponent = readExponent(in);
    // All zeros read as a zero of the number's sign.
    const double value = mantissa->firstSignificant < 0 ? 0.0 : magnitudeOf(*mantissa, exponent);
    return negative ? -value : value;
}
