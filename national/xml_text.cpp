#include "national/xml_text.h"

#include "examinee/text_codec.h"
#include "examinee/text_encoding.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

// The encoding of the bytes as the XML recommendation tells it from their
// start: a byte order mark, or the "<?" of the declaration in UTF-16; UTF-8
// otherwise.
TextEncoding encodingOfStart(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8WithBom;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArrayView("<\0?\0", 4)))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArrayView("\0<\0?", 4)))
        return TextEncoding::Utf16BE;
    return TextEncoding::Utf8;
}

bool isUtf16(TextEncoding encoding) { return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE; }

bool namesUtf16(QStringView declared)
{
    return declared.compare(u"UTF-16", Qt::CaseInsensitive) == 0
           || declared.compare(u"UTF-16LE", Qt::CaseInsensitive) == 0
           || declared.compare(u"UTF-16BE", Qt::CaseInsensitive) == 0;
}

// Why the encoding the declaration names is not the one the bytes are in;
// empty when it is, or when it names none.
QString declarationProblem(QStringView declared, bool utf16)
{
    const bool utf8 = declared.compare(u"UTF-8", Qt::CaseInsensitive) == 0;
    if (declared.isEmpty() || (utf16 ? namesUtf16(declared) : utf8))
        return {};
    if (utf8 || namesUtf16(declared))
        return QStringLiteral("宣言は %1 ですが、ファイルは %2 で書かれています")
            .arg(declared, utf16 ? QStringLiteral("UTF-16") : QStringLiteral("UTF-8"));
    return QStringLiteral("文字コード %1 のファイルは読みません (UTF-8 か UTF-16 だけです)").arg(declared);
}

// The text of UTF-8 bytes, if they are valid UTF-8 alone. Qt's check is
// the strict one: no overlong form, no surrogate, nothing above U+10FFFF,
// no character cut off at the end. A second byte order mark after the
// first is not read either.
std::optional<QString> utf8Text(const QByteArray &bytes, TextEncoding encoding)
{
    const QByteArrayView utf8 = QByteArrayView(bytes).sliced(encoding == TextEncoding::Utf8WithBom ? 3 : 0);
    if (!utf8.isValidUtf8() || utf8.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;
    return QString::fromUtf8(utf8);
}

// The text of UTF-16 bytes, if they decode whole.
std::optional<QString> utf16Text(const QByteArray &bytes, TextEncoding encoding)
{
    TextDecoder decoder(encoding);
    QString text = decoder.decode(bytes);
    if (!decoder.failed())
        text += decoder.finish();
    if (decoder.failed())
        return std::nullopt;
    return text;
}

// Why the reader stopped, in the desk's words: Qt's own texts are English.
QString xmlErrorText(const QXmlStreamReader &xml)
{
    switch (xml.error()) {
    case QXmlStreamReader::PrematureEndOfDocumentError:
        return QStringLiteral("ファイルが途中で終わっています (閉じていない要素があります)");
    case QXmlStreamReader::NotWellFormedError: return QStringLiteral("XML の書き方に誤りがあります");
    default: return QStringLiteral("読み取りに失敗しました");
    }
}

// Whether some start tag of the text has more than `most` attributes,
// counted by their "=" outside quoted values. A tag holds no "<", and each
// attribute takes at least five characters (a="" and a blank before it),
// so only a stretch from one "<" to the next longer than that many can
// hold such a tag: the text is passed over from "<" to "<", and only such
// a stretch read character by character. Comments, CDATA sections,
// processing instructions and declarations there are passed over whole; a
// text that is not well-formed is left to the reader to refuse.
bool hasTooManyAttributes(QByteArrayView text, int most)
{
    const char *const begin = text.data();
    const char *const end = begin + text.size();
    // The next `c` from `from` on, or `end`: memchr, as the text is passed
    // over for every file read.
    const auto next = [end](const char *from, char c) {
        const void *found = from < end ? std::memchr(from, c, std::size_t(end - from)) : nullptr;
        return found ? static_cast<const char *>(found) : end;
    };
    const auto after = [end](const char *from, std::string_view closing) {
        const auto found = std::search(from, end, closing.begin(), closing.end());
        return found == end ? end : found + closing.size();
    };
    const std::ptrdiff_t shortest = std::ptrdiff_t(most + 1) * 5;
    for (const char *open = next(begin, '<'); open != end;) {
        const char *following = next(open + 1, '<');
        if (following - open <= shortest) {
            open = following;
            continue;
        }
        const std::string_view rest(open + 1, std::size_t(following - open - 1));
        if (rest.starts_with('!') || rest.starts_with('?')) {
            open = next(after(open + 1, rest.starts_with("!--")        ? "-->"
                                        : rest.starts_with("![CDATA[") ? "]]>"
                                                                       : ">"),
                        '<');
            continue;
        }
        int attributes = 0;
        const char *c = open + 1;
        for (; c < end && *c != '>'; ++c) {
            if ((*c == '"' || *c == '\'') && (c = next(c + 1, *c)) == end)
                return false;
            if (*c == '=' && ++attributes > most)
                return true;
        }
        open = next(c, '<');
    }
    return false;
}

} // namespace

QString xmlStartText(const QByteArray &start) { return TextDecoder(encodingOfStart(start)).decode(start); }

XmlText::XmlText(const QByteArray &bytes)
{
    const TextEncoding encoding = encodingOfStart(bytes);
    m_utf16 = isUtf16(encoding);
    const std::optional<QString> text = m_utf16 ? utf16Text(bytes, encoding) : utf8Text(bytes, encoding);
    if (!text) {
        refuse(QStringLiteral("%1 として読めないバイトがあります (UTF-8 か UTF-16 のファイルだけを読みます)")
                   .arg(m_utf16 ? QStringLiteral("UTF-16") : QStringLiteral("UTF-8")));
        return;
    }
    // Counted in UTF-8, where "<", quotes and "=" are bytes of their own and
    // memchr finds them fastest; a UTF-16 file (rare) is counted as UTF-8.
    if (hasTooManyAttributes(m_utf16 ? QByteArrayView(text->toUtf8()) : QByteArrayView(bytes), kMaxXmlAttributes)) {
        refuse(QStringLiteral("属性が %1 個を超える要素があります").arg(kMaxXmlAttributes));
        return;
    }
    // Handed over as text, so that the declaration never picks a decoder:
    // Qt for Windows knows fewer encodings than Qt on Linux and would refuse
    // a Shift_JIS declaration in its own words before ours, and both must
    // write the same.
    m_xml.addData(*text);
}

XmlText::~XmlText() = default;

bool XmlText::refuse(const QString &why)
{
    m_problem = why;
    m_done = true;
    return false;
}

bool XmlText::next()
{
    if (m_done)
        return false;
    switch (m_xml.readNext()) {
    case QXmlStreamReader::StartDocument:
        if (const QString problem = declarationProblem(m_xml.documentEncoding(), m_utf16); !problem.isEmpty())
            return refuse(problem);
        break;
    case QXmlStreamReader::DTD: return refuse(QStringLiteral("DOCTYPE のあるファイルは読みません"));
    case QXmlStreamReader::StartElement:
        if (++m_depth > kMaxXmlDepth)
            return refuse(QStringLiteral("要素の入れ子が %1 段を超えています").arg(kMaxXmlDepth));
        if (QXmlStreamNamespaceDeclarations declared = m_xml.namespaceDeclarations(); !declared.isEmpty())
            m_scopes.append({m_depth, std::move(declared)});
        break;
    case QXmlStreamReader::EndElement:
        if (!m_scopes.isEmpty() && m_scopes.last().depth == m_depth)
            m_scopes.removeLast();
        --m_depth;
        break;
    case QXmlStreamReader::EndDocument: m_done = true; return false;
    case QXmlStreamReader::Invalid:
        return refuse(
            QStringLiteral("XML として読めません (%1 行目: %2)").arg(m_xml.lineNumber()).arg(xmlErrorText(m_xml)));
    default: break;
    }
    return true;
}

QStringView XmlText::namespaceOfPrefix(QStringView prefix) const
{
    for (auto scope = m_scopes.crbegin(); scope != m_scopes.crend(); ++scope) {
        for (const QXmlStreamNamespaceDeclaration &declaration : scope->declarations) {
            if (declaration.prefix() == prefix)
                return declaration.namespaceUri();
        }
    }
    return {};
}
