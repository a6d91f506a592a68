#include "daylist/input_kind.h"

#include "daylist/file_system.h"
#include "national/archive_layout.h"
#include "national/disk_sources.h"
#include "national/document_source.h"
#include "national/zip_source.h"
#include "words/message_words.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>

namespace {

// Enough of the start for every mark below and a zip's first entry; enough
// of the end for the names of a zip's central directory.
constexpr qint64 kStartBytes = 64 * 1024;
constexpr qint64 kEndBytes = 64 * 1024;
// Where a national XML file's declaration and root element are looked for.
constexpr qsizetype kDocumentStartBytes = 4096;

const QString kSaveAsText =
    QStringLiteral("CSV (コンマ区切り) か テキスト (タブ区切り) で保存してから指定してください");

quint32 littleEndian32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// A bitmap starts "BM", its size and four zero bytes: "BM" alone may begin
// a list ("BMI,…").
bool isBitmap(const QByteArray &start, qint64 size)
{
    return start.size() >= 14 && start.startsWith("BM") && qint64(littleEndian32(start, 2)) == size
           && littleEndian32(start, 6) == 0;
}

bool isImage(const QByteArray &start, qint64 size)
{
    return start.startsWith("\x89PNG\r\n\x1A\n") || start.startsWith("\xFF\xD8\xFF") || start.startsWith("GIF87a")
           || start.startsWith("GIF89a") || start.startsWith(QByteArrayView("II*\0", 4))
           || start.startsWith(QByteArrayView("MM\0*", 4)) || isBitmap(start, size);
}

// The last bytes of the file, where a zip keeps its directory of names and
// a large OLE2 file often its directory of streams.
QByteArray endOf(QIODevice &file)
{
    if (!file.seek(std::max<qint64>(0, file.size() - kEndBytes)))
        return {};
    return file.read(kEndBytes);
}

QString suffixOf(const QString &name) { return QFileInfo(name).suffix().toLower(); }

// A zip's kind from the names it holds: in the local header of its first
// entry (an OpenDocument file opens with "mimetype" stored as it is) and in
// its central directory at the end. A damaged book still tells by its name
// what it was saved as.
InputKind zipKind(QIODevice &file, const QString &name, const QByteArray &start)
{
    if (start.mid(30, 8) == "mimetype" && start.mid(38, 64).contains("opendocument"))
        return InputKind::OpenDocument;
    const QString suffix = suffixOf(name);
    if (start.contains("xl/workbook") || endOf(file).contains("xl/workbook") || suffix == u"xlsx" || suffix == u"xlsm")
        return InputKind::ExcelBook;
    return suffix == u"ods" ? InputKind::OpenDocument : InputKind::Zip;
}

// An OLE2 file is an Excel book if it holds a stream named Workbook (or
// Book, as Excel 5 named it), written in UTF-16, or is named .xls.
InputKind oleKind(QIODevice &file, const QString &name, const QByteArray &start)
{
    static const QByteArray workbook("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
    static const QByteArray book("B\0o\0o\0k\0\0\0", 10);
    for (const QByteArray &bytes : {start, endOf(file)}) {
        if (bytes.contains(workbook) || bytes.contains(book))
            return InputKind::ExcelBook;
    }
    return suffixOf(name) == u"xls" ? InputKind::ExcelBook : InputKind::OldOfficeFile;
}

// A file named .xml that is empty, or opens as XML without a declaration,
// is answered as an XML file: never as a list without a heading line.
bool isXmlByName(const QString &name, const QByteArray &start)
{
    return suffixOf(name) == u"xml" && (start.trimmed().isEmpty() || opensAsXml(start.left(kDocumentStartBytes)));
}

// A file's kind by its first bytes and, for a zip, by the names it holds.
InputKind fileKind(QIODevice &file, const QString &name, const QByteArray &start)
{
    const ZipContent zip = looksLikeZip(start) ? zipContentOf(file) : ZipContent::OtherFiles;
    if (zip == ZipContent::CheckupFiles)
        return InputKind::NationalArchive;
    if (isNationalXml(start.left(kDocumentStartBytes)) || isXmlByName(name, start))
        return InputKind::NationalXml;
    if (start.startsWith("PK\x03\x04")) {
        const InputKind kind = zipKind(file, name, start);
        return kind == InputKind::Zip && zip == ZipContent::Unlisted ? InputKind::DamagedZip : kind;
    }
    if (start.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return oleKind(file, name, start);
    if (start.startsWith("%PDF-"))
        return InputKind::Pdf;
    if (isImage(start, file.size()))
        return InputKind::Image;
    return InputKind::DelimitedText;
}

} // namespace

namespace {

// The device told by its first bytes, on from there.
ClassifiedInput told(std::unique_ptr<QIODevice> device, const QString &name)
{
    QByteArray start = device->read(kStartBytes);
    const InputKind kind = fileKind(*device, name, start);
    return {kind, std::move(device), std::move(start), name, {}};
}

// A stream read whole into memory, never more than the limit and a piece:
// it may never end (a device of endless bytes).
ClassifiedInput readStream(const QString &path)
{
    QFile stream(path);
    const auto refused = [](const QString &why) {
        return ClassifiedInput{InputKind::NotARegularFile, {}, {}, {}, why};
    };
    if (!stream.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return refused(cannotOpenText(diskFileProblem(stream)));
    QByteArray bytes;
    char piece[64 * 1024];
    for (qint64 got; (got = stream.read(piece, sizeof piece)) != 0;) {
        if (got < 0)
            return refused(cannotOpenText(diskFileProblem(stream)));
        bytes.append(piece, got);
        if (bytes.size() > kMaxStreamBytes)
            return refused(tooLargeText(kMaxStreamBytes));
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return told(std::move(buffer), QFileInfo(path).fileName());
}

} // namespace

ClassifiedInput classifyInput(const QString &path, bool readStreams)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {InputKind::Folder, nullptr, {}, {}, {}};
    if ((info.exists() && !info.isFile()) || FileSystem::isSystemStream(path))
        return readStreams ? readStream(path) : ClassifiedInput{InputKind::NotARegularFile, nullptr, {}, {}, {}};
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return {InputKind::DelimitedText, nullptr, {}, {}, cannotOpenText(diskFileProblem(*file))};
    return told(std::move(file), info.fileName());
}

bool isNational(InputKind kind)
{
    return kind == InputKind::NationalArchive || kind == InputKind::DamagedZip || kind == InputKind::Folder
           || kind == InputKind::NationalXml;
}

QString notAListMessage(InputKind kind)
{
    switch (kind) {
    case InputKind::DelimitedText:
    case InputKind::NationalArchive:
    case InputKind::DamagedZip:
    case InputKind::Folder:
    case InputKind::NationalXml:
    case InputKind::NotARegularFile: break; // read once its result is named
    case InputKind::ExcelBook: return QStringLiteral("Excel のファイルです。") + kSaveAsText;
    case InputKind::OpenDocument: return QStringLiteral("OpenDocument の表計算のファイル (.ods) です。") + kSaveAsText;
    case InputKind::Zip:
        return QStringLiteral("ZIP の圧縮ファイルです。展開して、中の CSV (コンマ区切り) か テキスト (タブ区切り) "
                              "のファイルを指定してください");
    case InputKind::OldOfficeFile:
        return QStringLiteral("Word などの古い形式の Office のファイルです。一覧を表計算ソフトで開き、") + kSaveAsText;
    case InputKind::Pdf:
        return QStringLiteral("PDF のファイルです。PDF からは読めません。元の表を表計算ソフトで開き、") + kSaveAsText;
    case InputKind::Image:
        return QStringLiteral("画像のファイルです。画像からは読めません。元の表を表計算ソフトで開き、") + kSaveAsText;
    }
    return {};
}
