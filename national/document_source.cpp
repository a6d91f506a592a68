#include "national/document_source.h"

#include "national/archive_layout.h"
#include "national/disk_sources.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

// The first bytes of a file: enough to tell a zip, and an XML document's
// root element behind its declaration and comments.
QByteArray startOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

// Whether the document's first element is an HL7 CDA ClinicalDocument. The
// reader stops at that element: no DTD is read past, no entity expanded.
bool isClinicalDocument(const QByteArray &start)
{
    QXmlStreamReader xml(start);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return xml.name() == u"ClinicalDocument" && xml.namespaceUri() == u"urn:hl7-org:v3";
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::Invalid: return false;
        default: break;
        }
    }
    return false;
}

} // namespace

std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openDocumentSource(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return openFolderSource(path);
    return openFileSource(path);
}

bool isNationalInput(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    const QByteArray start = startOf(path);
    return isClinicalDocument(start);
}
