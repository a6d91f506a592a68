#include "examinee/text_encoding.h"

#include <algorithm>

namespace {

QString normalisedName(QStringView name)
{
    QString n = name.toString().toLower();
    n.remove(u'-');
    n.remove(u'_');
    return n;
}

} // namespace

std::optional<TextEncoding> encodingNamed(QStringView name)
{
    const QString n = normalisedName(name);
    if (n == u"utf8")
        return TextEncoding::Utf8;
    if (n == u"utf8bom" || n == u"utf8sig")
        return TextEncoding::Utf8WithBom;
    if (n == u"utf16le" || n == u"utf16")
        return TextEncoding::Utf16LE;
    if (n == u"utf16be")
        return TextEncoding::Utf16BE;
    if (n == u"cp932" || n == u"shiftjis" || n == u"sjis" || n == u"windows31j" || n == u"ms932")
        return TextEncoding::Cp932;
    return std::nullopt;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom: return QStringLiteral("UTF-8 (BOM)");
    case TextEncoding::Utf16LE: return QStringLiteral("UTF-16LE");
    case TextEncoding::Utf16BE: return QStringLiteral("UTF-16BE");
    case TextEncoding::Cp932: return QStringLiteral("CP932");
    }
    return {};
}

QByteArray byteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8WithBom: return QByteArray("\xEF\xBB\xBF");
    case TextEncoding::Utf16LE: return QByteArray("\xFF\xFE");
    case TextEncoding::Utf16BE: return QByteArray("\xFE\xFF");
    case TextEncoding::Utf8:
    case TextEncoding::Cp932: break;
    }
    return {};
}

void EncodingDetector::feed(QByteArrayView bytes)
{
    if (m_start.size() < 3)
        m_start += bytes.first(std::min<qsizetype>(bytes.size(), 3 - m_start.size())).toByteArray();
    feedUtf8(bytes);
}

namespace {

// The bytes a UTF-8 sequence takes by its first byte; 1 for any byte that
// starts none, which the check then takes or refuses alone.
qsizetype sequenceLength(char first)
{
    const auto b = static_cast<unsigned char>(first);
    return b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xC2 && b <= 0xDF ? 2 : 1;
}

// Where the last character of the bytes starts when the bytes end before it
// does; their size when they end after a whole character.
qsizetype wholeCharacters(QByteArrayView bytes)
{
    for (qsizetype i = bytes.size() - 1; i >= 0 && i >= bytes.size() - 3; --i) {
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
            return bytes.size() - i < sequenceLength(bytes[i]) ? i : bytes.size();
    }
    return bytes.size();
}

} // namespace

// Qt's check is the strict one: no overlong form, no surrogate, nothing
// above U+10FFFF. It is asked of whole characters: a character that a piece
// cuts off is held until the next piece ends it.
void EncodingDetector::feedUtf8(QByteArrayView bytes)
{
    if (!m_validUtf8)
        return;
    if (!m_unfinished.isEmpty()) {
        const QByteArrayView rest =
            bytes.first(std::min(sequenceLength(m_unfinished[0]) - m_unfinished.size(), bytes.size()));
        m_unfinished += rest;
        bytes = bytes.sliced(rest.size());
        if (m_unfinished.size() < sequenceLength(m_unfinished[0]))
            return;
        m_validUtf8 = QByteArrayView(m_unfinished).isValidUtf8();
        m_unfinished.clear();
        if (!m_validUtf8)
            return;
        m_lineBeyondAscii = true;
    }
    const qsizetype whole = wholeCharacters(bytes);
    feedWholeUtf8(bytes.first(whole));
    m_unfinished = bytes.sliced(whole).toByteArray();
}

// Whole characters, checked a line at a time, so that the line of the first
// byte that is not UTF-8 is known, and whether a line before it held UTF-8
// beyond ASCII. A line feed never stands inside a UTF-8 character.
void EncodingDetector::feedWholeUtf8(QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        m_validUtf8 = line.isValidUtf8();
        if (!m_validUtf8)
            return;
        m_lineBeyondAscii = m_lineBeyondAscii || std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; });
        if (end < 0)
            return;
        m_utf8LineDone = m_utf8LineDone || m_lineBeyondAscii;
        m_lineBeyondAscii = false;
        ++m_line;
        bytes = bytes.sliced(end + 1);
    }
}

TextEncoding EncodingDetector::encoding() const
{
    if (m_start.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8WithBom;
    if (m_start.startsWith("\xFF\xFE"))
        return TextEncoding::Utf16LE;
    if (m_start.startsWith("\xFE\xFF"))
        return TextEncoding::Utf16BE;
    return m_validUtf8 && m_unfinished.isEmpty() ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

qsizetype EncodingDetector::mixedFromLine() const
{
    return encoding() == TextEncoding::Cp932 && !m_validUtf8 && m_utf8LineDone ? m_line : 0;
}
