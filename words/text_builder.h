#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <cstdint>
#include <iterator>

// A text written piece by piece, as an explanation is: every piece is
// copied into one buffer (on the stack while the text is short) and the
// string is made once, at the end. A day's list writes two explanations for
// each of its rows, each of some fifty pieces.
class TextBuilder {
public:
    TextBuilder &operator<<(QStringView piece)
    {
        m_text.append(piece.utf16(), piece.size());
        return *this;
    }
    TextBuilder &operator<<(const QString &piece) { return *this << QStringView(piece); }
    TextBuilder &operator<<(QChar c)
    {
        m_text.append(c.unicode());
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
        m_text.append(first, std::end(digits) - first);
        return *this;
    }

    qsizetype size() const { return m_text.size(); }
    // Takes back what was written after `size`.
    void truncate(qsizetype size) { m_text.resize(size); }

    QStringView view() const { return QStringView(m_text.constData(), m_text.size()); }
    QString toString() const { return QString(reinterpret_cast<const QChar *>(m_text.constData()), m_text.size()); }

private:
    QVarLengthArray<char16_t, 512> m_text;
};
