#pragma once

#include "national/document_source.h"

#include <QIODevice>

// A zip archive read through libzip from a device (the archive's file, or
// bytes in memory): its entries are unpacked into memory one at a time and
// never written anywhere; their names are only listed.
std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openZipSource(std::unique_ptr<QIODevice> device);

// What a zip archive holds, as far as telling the input's kind needs:
// checkup files (an XML file in DATA/ or the index ix08_V08.xml, at its root
// or under its top folders, or a ClinicalDocument among its first XML
// files), other files, or nothing libzip can list (the
// archive is damaged or cut short, or has too many entries).
enum class ZipContent { CheckupFiles, OtherFiles, Unlisted };
ZipContent zipContentOf(QIODevice &device);
