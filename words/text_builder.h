#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
    // Its copy is a move of a size known here, which the compiler writes
    // out in place.
    template <std::size_t N> TextBuilder &operator<<(const char16_t (&literal)[N])
    {
        constexpr qsizetype length = N - 1;
        std::memcpy(room(length), literal, length * sizeof(char16_t));
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
    void append(const char16_t *piece, qsizetype length) { copyPiece(room(length), piece, length); }

    // Where the next `length` characters go, counted as written.
    char16_t *room(qsizetype length)
    {
        if (m_capacity - m_size < length)
            grow(length);
        char16_t *at = m_data.get() + m_size;
        m_size += length;
        return at;
    }

    // Most pieces are a few characters long: copied with fixed-size moves,
    // the first and the last bytes of the piece (overlapping where it is
    // shorter than two of them), instead of a call to memcpy for each.
    // Where a short literal is inlined here through a view, GCC warns of
    // the moves for longer pieces, which that literal never reaches.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_GCC("-Warray-bounds")
    static void copyPiece(char16_t *to, const char16_t *from, qsizetype length)
    {
        const auto ends = [to, from, length]<std::size_t Bytes>() {
            constexpr qsizetype units = Bytes / sizeof(char16_t);
            std::memcpy(to, from, Bytes);
            std::memcpy(to + length - units, from + length - units, Bytes);
        };
        if (length >= 16)
            std::copy_n(from, length, to);
        else if (length >= 8)
            ends.template operator()<16>();
        else if (length >= 4)
            ends.template operator()<8>();
        else if (length >= 2)
            ends.template operator()<4>();
        else if (length == 1)
            *to = *from;
    }
    QT_WARNING_POP

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
