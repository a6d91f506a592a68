#pragma once

#include "national/document_source.h"

#include <QFile>

// The inputs that are files on the disk already: a folder (an unpacked
// archive or any folder of checkup files) and one file.
std::variant<std::unique_ptr<DocumentSource>, SourceProblem> openFolderSource(const QString &folder);
// The one file named `name`, open (or a stream read into memory), read on
// from `start`: the bytes of its start read already (to tell what it is).
std::unique_ptr<DocumentSource> openFileSource(QIODevice &file, const QString &name, const QByteArray &start);

// Why a file of the disk cannot be opened or read, in the desk's words:
// Qt's own texts are English.
QString diskFileProblem(const QFile &file);
