#pragma once

#include <QByteArray>
#include <QFile>
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
    NationalXml,     // one XML file: a ClinicalDocument, or any with an XML declaration
    ExcelBook,       // .xlsx (a zip holding xl/) or .xls (an OLE2 file holding a Workbook)
    OpenDocument,    // .ods
    Zip,             // any other zip
    OldOfficeFile,   // an OLE2 file that is no workbook (.doc, .ppt)
    Pdf,
    Image,           // PNG, JPEG, GIF, BMP, TIFF
    NotARegularFile, // a named pipe, a socket or a device: never opened, so never waited on
};

// The input as told: its kind and, for a file, the file as it was opened to
// tell it, still open, with the bytes read of its start, so that judging it
// reads on from there instead of opening it again.
struct ClassifiedInput {
    InputKind kind = InputKind::DelimitedText;
    std::unique_ptr<QFile> file; // none for a folder, or a file that could not be opened
    QByteArray start;
};

ClassifiedInput classifyInput(const QString &path);

// Whether the input is read as the national checkup files rather than a list.
bool isNational(InputKind kind);

// What the file is and what to do, in the desk's words; empty for a list and
// for the national files.
QString notAListMessage(InputKind kind);
