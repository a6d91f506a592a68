#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <memory>

// The deepest nesting of elements a national file may have: the checkup
// file itself goes about a dozen deep.
inline constexpr int kMaxXmlDepth = 64;

// The most attributes (namespace declarations counted) one element of a
// national file may have: the schema's elements have at most a dozen. Qt's
// reader takes time that grows with the square of an element's
// attributes, so more are refused before it reads them.
inline constexpr int kMaxXmlAttributes = 64;

// The HL7 namespace of the checkup file and the XML Schema instance
// namespace of its xsi:type.
inline constexpr QStringView kHl7Namespace = u"urn:hl7-org:v3";
inline constexpr QStringView kXsiNamespace = u"http://www.w3.org/2001/XMLSchema-instance";

// The start of a file as text, its encoding decided as XmlText decides it
// (a byte order mark, or UTF-16's "<?"; UTF-8 otherwise) and ending before
// the first bytes that do not decode: enough to tell what the file is
// before it is read, whatever encoding it declares.
QString xmlStartText(const QByteArray &start);

// A national file read as XML, token by token, refusing what is never read:
// bytes that are not UTF-8 or UTF-16 (decoded here, not by Qt, so that every
// system reads the same text), an encoding declaration that names another
// encoding, a DOCTYPE (read no further, so no entity is ever expanded),
// nesting deeper than kMaxXmlDepth and an element with more than
// kMaxXmlAttributes attributes.
class XmlText {
public:
    explicit XmlText(const QByteArray &bytes);
    ~XmlText();
    XmlText(const XmlText &) = delete;
    XmlText &operator=(const XmlText &) = delete;

    // The next token; false at the end of the document and on any error or
    // refusal, which problem() then tells (empty at a good end).
    bool next();
    const QXmlStreamReader &xml() const { return m_xml; }
    QString problem() const { return m_problem; }
    // Elements open, the current start element counted.
    int depth() const { return m_depth; }

    // The namespace that a QName's prefix ("xsi:type"'s value "PQ" or
    // "v3:PQ") stands for where the reader is; the empty prefix is the
    // default namespace. Empty when the prefix is not declared. The view
    // holds until the element that declares it ends.
    QStringView namespaceOfPrefix(QStringView prefix) const;

private:
    bool refuse(const QString &why);

    QXmlStreamReader m_xml;
    QString m_problem;
    int m_depth = 0;
    bool m_utf16 = false;
    bool m_done = false;
    // The namespace declarations of the open elements that declare any,
    // with their depth, innermost last: most elements declare none.
    struct Scope {
        int depth;
        QXmlStreamNamespaceDeclarations declarations;
    };
    QList<Scope> m_scopes;
};
