#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <memory>

// What an input to kalvemo-judge is, told by its content before it is read
// (its first bytes; a zip also by the names it holds), never by its name
// alone: the national files, a day's list of delimited text, or a file a
// desk picks by mistake, answered with what to do instead.
enum class InputKind {
    DelimitedText,   // anything else: read as a list
    NationalArchive, // a zip holding checkup files (DATA/ XML or the index)
    DamagedZip,      // a zip libzip cannot list: its opening as an archive tells why
    Folder,          // read for its checkup files
    NationalXml,     // one XML file: a ClinicalDocument, any with an XML declaration, or named .xml
    ExcelBook,       // .xlsx (a zip holding xl/) or .xls (an OLE2 file holding a Workbook)
    OpenDocument,    // .ods
    Zip,             // any other zip
    OldOfficeFile,   // an OLE2 file that is no workbook (.doc, .ppt)
    Pdf,
    Image,           // PNG, JPEG, GIF, BMP, TIFF
    NotARegularFile, // a named pipe, a socket, a device: read only when the result is named (-o)
};

// The input as told: its kind and, for a file, the file as it was opened to
// tell it, still open, with the bytes read of its start, so that judging it
// reads on from there instead of opening it again. A stream read whole is
// held in memory instead; `name` is the file's name, for its extension.
struct ClassifiedInput {
    InputKind kind = InputKind::DelimitedText;
    std::unique_ptr<QIODevice> device; // none for a folder or a stream not read
    QByteArray start;
    QString name;
    QString problem; // why the file cannot be opened or the stream read: nothing else is set
};

// An input as the command line named it, and as it was told.
struct NamedInput {
    QString path;
    ClassifiedInput told;
};

// A file or folder told by its content. A stream (a named pipe, standard
// input, a device: anything that is not a regular file, or a path of the
// system's devices and processes) is told as NotARegularFile and never
// opened, unless `readStreams`: it is then read whole, up to
// kMaxStreamBytes, and told by its bytes as a file is.
ClassifiedInput classifyInput(const QString &path, bool readStreams = false);
inline constexpr qint64 kMaxStreamBytes = 64 * 1024 * 1024;

// Whether the input is read as the national checkup files rather than a list.
bool isNational(InputKind kind);

// What the file is and what to do, in the desk's words; empty for a list and
// for the national files.
QString notAListMessage(InputKind kind);
