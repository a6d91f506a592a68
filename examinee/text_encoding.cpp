#include "examinee/text_encoding.h"

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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
void EncodingDetector::feedUtf8(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (!m_validUtf8)
            return;
        const auto b = static_cast<unsigned char>(c);
        if (m_continuations > 0) {
            unsigned char low = 0x80, high = 0xBF;
            if (m_first) {
                if (m_lead == 0xE0)
                    low = 0xA0;
                else if (m_lead == 0xED)
                    high = 0x9F;
                else if (m_lead == 0xF0)
                    low = 0x90;
                else if (m_lead == 0xF4)
                    high = 0x8F;
            }
            if (b < low || b > high) {
                m_validUtf8 = false;
                return;
            }
            m_first = false;
            --m_continuations;
            continue;
        }
        m_lead = b;
        m_first = true;
        if (b == '\n') {
            m_utf8LineDone = m_utf8LineDone || m_lineBeyondAscii;
            m_lineBeyondAscii = false;
            ++m_line;
        }
        m_lineBeyondAscii = m_lineBeyondAscii || b >= 0xC2;
        if (b < 0x80)
            m_continuations = 0;
        else if (b >= 0xC2 && b <= 0xDF)
            m_continuations = 1;
        else if (b >= 0xE0 && b <= 0xEF)
            m_continuations = 2;
        else if (b >= 0xF0 && b <= 0xF4)
            m_continuations = 3;
        else
            m_validUtf8 = false;
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
    return m_validUtf8 && m_continuations == 0 ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

qsizetype EncodingDetector::mixedFromLine() const
{
    return encoding() == TextEncoding::Cp932 && !m_validUtf8 && m_utf8LineDone ? m_line : 0;
}
