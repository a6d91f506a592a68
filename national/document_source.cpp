#include "national/document_source.h"

#include "national/xml_text.h"

#include <QXmlStreamReader>

namespace {

// What the start of a file shows of it as XML: a declaration, its first
// element (a ClinicalDocument or another), or neither.
struct XmlStart {
    bool declared = false;
    bool element = false;
    bool clinical = false;
};

XmlStart xmlStartOf(const QByteArray &start)
{
    QXmlStreamReader xml(xmlStartText(start));
    XmlStart found;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartDocument: found.declared = !xml.documentVersion().isEmpty(); break;
        case QXmlStreamReader::StartElement:
            found.element = true;
            found.clinical = xml.name() == u"ClinicalDocument" && xml.namespaceUri() == kHl7Namespace;
            return found;
        case QXmlStreamReader::Invalid: return found;
        default: break;
        }
    }
    return found;
}

} // namespace

bool isNationalXml(const QByteArray &start)
{
    const XmlStart found = xmlStartOf(start);
    return found.declared || found.clinical;
}

bool isClinicalDocument(const QByteArray &start) { return xmlStartOf(start).clinical; }

bool opensAsXml(const QByteArray &start)
{
    const XmlStart found = xmlStartOf(start);
    return found.declared || found.element;
}
