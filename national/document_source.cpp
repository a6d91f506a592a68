#include "national/document_source.h"

#include "national/xml_text.h"

#include <QXmlStreamReader>

bool isNationalXml(const QByteArray &start)
{
    QXmlStreamReader xml(xmlStartText(start));
    bool declared = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartDocument: declared = !xml.documentVersion().isEmpty(); break;
        case QXmlStreamReader::StartElement:
            return declared || (xml.name() == u"ClinicalDocument" && xml.namespaceUri() == kHl7Namespace);
        case QXmlStreamReader::Invalid: return declared;
        default: break;
        }
    }
    return declared;
}
