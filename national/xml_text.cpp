#include "national/xml_text.h"

#include "examinee/text_codec.h"
#include "examinee/text_encoding.h"

#include <optional>

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
bool hasTooManyAttributes(QStringView text, int most)
{
    const qsizetype shortest = qsizetype(most + 1) * 5;
    qsizetype i = text.indexOf(u'<');
    while (i >= 0) {
        const qsizetype next = text.indexOf(u'<', i + 1);
        if ((next < 0 ? text.size() : next) - i <= shortest) {
            i = next;
            continue;
        }
        const QStringView rest = text.mid(++i);
        if (rest.startsWith(u'!') || rest.startsWith(u'?')) {
            const QStringView end = rest.startsWith(u"!--")        ? QStringView(u"-->")
                                    : rest.startsWith(u"![CDATA[") ? QStringView(u"]]>")
                                                                   : QStringView(u">");
            if ((i = text.indexOf(end, i)) >= 0)
                i = text.indexOf(u'<', i);
            continue;
        }
        int attributes = 0;
        for (; i < text.size() && text[i] != u'>'; ++i) {
            const QChar c = text[i];
            if ((c == u'"' || c == u'\'') && (i = text.indexOf(c, i + 1)) < 0)
                return false;
            if (c == u'=' && ++attributes > most)
                return true;
        }
        i = text.indexOf(u'<', i);
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
    if (hasTooManyAttributes(*text, kMaxXmlAttributes)) {
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
