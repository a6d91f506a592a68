#pragma once

#include "national/document_source.h"

#include <QIODevice>

// A zip archive read through libzip from a device (the archive's file, or
// bytes in memory): its entries are unpacked into memory one at a time and
// never written anywhere; their names are only listed.
std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openZipSource(std::unique_ptr<QIODevice> device);

// Whether the device holds a zip archive with checkup files: an XML file in
// DATA/ or the index ix08_V08.xml, at its root or under one top folder.
bool holdsCheckupFiles(QIODevice &device);
