#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>

// A text written piece by piece, as an explanation is: every piece is
// copied into one buffer and the string is made once, at the end. A day's
// list writes two explanations and a line of some thirty cells for each of
// its rows, each of them in many short pieces, so appending is kept to a
// check of room and a copy.
class TextBuilder {
public:
    TextBuilder &operator<<(QStringView piece)
    {
        append(piece.utf16(), piece.size());
        return *this;
    }
    TextBuilder &operator<<(const QString &piece) { return *this << QStringView(piece); }
    // A literal, u"…", whose length is known without looking for its end.
    template <std::size_t N> TextBuilder &operator<<(const char16_t (&literal)[N])
    {
        append(literal, N - 1);
        return *this;
    }
    TextBuilder &operator<<(QChar c)
    {
        if (m_size == m_capacity)
            grow(1);
        m_data[m_size++] = c.unicode();
        return *this;
    }
    // A whole number in decimal digits.
    TextBuilder &appendNumber(std::uint64_t number)
    {
        char16_t digits[20];
        char16_t *first = std::end(digits);
        do {
            *--first = char16_t(u'0' + number % 10);
            number /= 10;
        } while (number > 0);
        append(first, std::end(digits) - first);
        return *this;
    }

    qsizetype size() const { return m_size; }
    // Takes back what was written after `size`; the room stays.
    void truncate(qsizetype size) { m_size = std::min(size, m_size); }

    QStringView view() const { return QStringView(m_data.get(), m_size); }
    QString toString() const { return view().toString(); }

private:
    void append(const char16_t *piece, qsizetype length)
    {
        if (m_capacity - m_size < length)
            grow(length);
        std::copy_n(piece, length, m_data.get() + m_size);
        m_size += length;
    }

    void grow(qsizetype atLeast)
    {
        const qsizetype capacity = std::max({m_capacity * 2, m_size + atLeast, kFirstRoom});
        auto data = std::make_unique_for_overwrite<char16_t[]>(std::size_t(capacity));
        std::copy_n(m_data.get(), m_size, data.get());
        m_data = std::move(data);
        m_capacity = capacity;
    }

    static constexpr qsizetype kFirstRoom = 512;

    std::unique_ptr<char16_t[]> m_data;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};
