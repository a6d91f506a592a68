#include "state/numeric_value.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
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

// Keeps exponents in a range where the arithmetic below cannot overflow; any
// exponent this large already decides between infinity and zero.
constexpr std::int64_t kExponentClamp = 1'000'000'000;

} // namespace

double NumericValue(QStringView text)
{
    Reader in(text);

    bool negative = false;
    if (in.peek() == u'-' || in.peek() == u'+') {
        negative = in.peek() == u'-';
        in.next();
    }

    // The number is rebuilt as plain ASCII for the standard conversion.
    std::string digits;
    std::int64_t firstSignificant = -1; // index of the first non-zero digit
    std::int64_t pointAt = -1;          // digits before the decimal point
    bool anyDigit = false;
    for (; !in.atEnd(); in.next()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            anyDigit = true;
            if (firstSignificant < 0 && c != u'0')
                firstSignificant = std::int64_t(digits.size());
            digits.push_back(char(c.unicode()));
        } else if (c == u'.' && pointAt < 0) {
            pointAt = std::int64_t(digits.size());
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (pointAt < 0)
        pointAt = std::int64_t(digits.size());

    std::int64_t exponent = 0;
    const QChar e = in.peek().toUpper();
    if (e == u'E' || e == u'D') {
        in.next();
        bool expNegative = false;
        if (in.peek() == u'-' || in.peek() == u'+') {
            expNegative = in.peek() == u'-';
            in.next();
        }
        for (; !in.atEnd() && isDigit(in.peek()); in.next()) {
            if (exponent < kExponentClamp)
                exponent = exponent * 10 + (in.peek().unicode() - u'0');
        }
        if (expNegative)
            exponent = -exponent;
    }

    const double signedZero = negative ? -0.0 : 0.0;
    if (firstSignificant < 0)
        return signedZero;

    // Decimal exponent of the leading significant digit: decides overflow
    // against underflow when the conversion reports the value out of range.
    const std::int64_t magnitude = pointAt - firstSignificant + exponent;

    // The digits read as one integer, times the power of ten that the decimal
    // point and the exponent give it.
    std::string number = digits.substr(std::size_t(firstSignificant));
    const std::int64_t power = exponent + pointAt - std::int64_t(digits.size());
    number += 'e';
    number += std::to_string(power);

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}
