#include "national/document_source.h"

#include "national/archive_layout.h"
#include "national/disk_sources.h"
#include "national/source_words.h"
#include "national/xml_text.h"
#include "national/zip_source.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openDocumentSource(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return openFolderSource(path);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return SourceProblem{cannotOpenText(diskFileProblem(*file))};
    if (looksLikeZip(file->peek(4)))
        return openZipSource(std::move(file));
    return openFileSource(path);
}

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
