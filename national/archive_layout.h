#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// Which of an archive's (or a folder's) names are its documents. A national
// archive lays out, at its root or under one top folder, the index
// ix08_V08.xml, DATA/ with one file per examinee, the schemas in XSD/ and
// perhaps CLAIMS/ and a summary su08_V08.xml, under as many top folders as
// its maker put it in. Names are only ever compared, never used as paths:
// each is taken as unpacking it would place it (unpackedName), and listed
// as written.
struct ArchiveLayout {
    // The documents, by their position in the names given, sorted by name:
    // everything but folders, XSD/, the index and nested archives.
    std::vector<qsizetype> files;
    std::optional<qsizetype> index; // the index ix08_V08.xml
    QStringList nested;             // nested archives, by name, not opened
    bool hasData = false;           // an XML file in DATA/ (or the index): a national archive
};

// The names, one at a time by their position, and their order: an archive's
// names stay in libzip's directory rather than being copied. Without an
// order the files are left as the names give them (for hasData alone).
struct ArchiveNames {
    qsizetype count;
    std::function<QString(qsizetype)> at;
    std::function<bool(qsizetype, qsizetype)> before = {};
};
ArchiveLayout layOutArchive(const ArchiveNames &names);
// A name as unpacking places it inside the folder unpacked into: a
// backslash separates folders as '/' does, and a drive ("C:") or the root
// ("/") before it is dropped.
QString unpackedName(const QString &name);

// Names held in a list, in the order of their text.
ArchiveLayout layOutArchive(const QStringList &names);

// Whether bytes begin as a zip archive does (a local file header, or the end
// of an empty archive).
bool looksLikeZip(const QByteArray &start);
