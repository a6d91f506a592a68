#include "national/document_source.h"

#include "national/archive_layout.h"
#include "national/disk_sources.h"
#include "national/source_words.h"
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
        return SourceProblem{cannotOpenProblem(file->errorString())};
    if (looksLikeZip(file->peek(4)))
        return openZipSource(std::move(file));
    return openFileSource(path);
}

bool isClinicalDocument(const QByteArray &start)
{
    QXmlStreamReader xml(start);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            return xml.name() == u"ClinicalDocument" && xml.namespaceUri() == u"urn:hl7-org:v3";
        case QXmlStreamReader::Invalid: return false;
        default: break;
        }
    }
    return false;
}
