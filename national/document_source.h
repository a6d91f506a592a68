#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <variant>

// One file of the input: its name (its path inside the archive or folder,
// '/'-separated; for a single file, its file name) and its whole content,
// or why it was not read.
struct SourceFile {
    QString name;
    QByteArray bytes; // whole, unpacked; empty when refused
    QString refusal;  // non-empty: not read, and why, in the desk's words
};

// What an input holds: a national archive (zip, at its root or under one top
// folder), a folder (its DATA/ if it has one), or one file. Files are listed
// sorted by name and read one at a time, so that memory does not grow with
// the archive. XSD/ is not listed; the index ix08_V08.xml is offered apart.
class DocumentSource {
public:
    virtual ~DocumentSource() = default;
    virtual qsizetype count() const = 0;
    virtual QString name(qsizetype i) const = 0;
    virtual SourceFile read(qsizetype i) = 0;
    // The archive's index file (ix08_V08.xml) as read, or why it was not;
    // none when there is none.
    virtual std::optional<SourceFile> index() = 0;
    // Whether the input is a delivery, which its maker gives an index: an
    // archive. A folder may be any folder of checkup files.
    virtual bool isDelivery() const { return false; }
    // Entries not offered as files: nested archives (named in the summary).
    // An entry found to be an archive only as it is read (a zip under
    // another name) is refused as a file and named here too, once read.
    virtual QStringList nestedArchives() const = 0;
    // The names that two or more files share (an archive may hold them;
    // unpacking it would keep one): each file is still offered.
    virtual QStringList sharedNames() const { return {}; }
    // A folder's entries that are no regular files (a FIFO, a socket, a
    // device, a link to nothing), by name: never opened, since opening one
    // may wait for ever.
    virtual QStringList specialFiles() const { return {}; }
    // Whether the input is one file given alone, answered as itself.
    virtual bool isOneFile() const { return false; }
};

// Why the input cannot be read at all (exit 2, nothing written).
struct SourceProblem {
    QString message;
};

// Whether the start of a file is XML to be answered as a national file: an
// HL7 CDA ClinicalDocument (a checkup file, or another kind of report), or
// any document that opens with an XML declaration (another national file,
// or a broken one). The start is decoded as every national file is
// (xmlStartText), so that a file in another encoding is still recognised,
// for its reading to refuse; the reader stops at the first element, before
// any entity could be used, and a DOCTYPE does not hide it.
bool isNationalXml(const QByteArray &start);
// Whether the start is that of an HL7 CDA ClinicalDocument, whatever its kind.
bool isClinicalDocument(const QByteArray &start);
// Whether the start opens as XML does, with a declaration or an element.
bool opensAsXml(const QByteArray &start);
