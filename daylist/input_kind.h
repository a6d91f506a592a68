#pragma once

#include <QString>

// What a file given as a day's list is, told by its first bytes (a zip also
// by the names it holds), before it is read as text: only delimited text is
// a list; the others are files a desk picks by mistake, each answered with
// what to do instead.
enum class InputKind {
    DelimitedText, // anything else: read as a list
    Folder,
    ExcelBook,     // .xlsx (a zip holding xl/) or .xls (an OLE2 file holding a Workbook)
    OpenDocument,  // .ods
    Zip,           // any other zip
    OldOfficeFile, // an OLE2 file that is no workbook (.doc, .ppt)
    Pdf,
    Image, // PNG, JPEG, GIF, BMP, TIFF
};

InputKind inputKindOf(const QString &path);

// What the file is and what to do, in the desk's words; empty for a list.
QString notAListMessage(InputKind kind);
