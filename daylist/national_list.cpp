#include "daylist/national_list.h"

#include "daylist/console.h"
#include "daylist/delimited_writer.h"
#include "daylist/exit_status.h"
#include "daylist/national_row.h"
#include "daylist/national_summary.h"
#include "daylist/progress_line.h"
#include "daylist/report_rows.h"
#include "daylist/result_sink.h"
#include "national/archive_index.h"
#include "national/checkup_document.h"
#include "national/checkup_examinee.h"
#include "national/disk_sources.h"
#include "national/document_source.h"
#include "national/zip_source.h"
#include "words/message_words.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A spreadsheet on a Japanese desktop takes UTF-8 for what it is only with
// the byte order mark; the list is written so whatever the input was.
constexpr TextEncoding kListEncoding = TextEncoding::Utf8WithBom;
constexpr QChar kComma = u',';

// One file of the source and its document, each read once; no document
// for a file refused.
struct ReadFile {
    SourceFile file;
    std::optional<ReadDocument> document;
};

ReadFile readFile(DocumentSource &source, qsizetype i)
{
    ReadFile read{source.read(i), std::nullopt};
    if (read.file.refusal.isEmpty())
        read.document = readCheckupDocument(read.file.bytes);
    return read;
}

// One file of the source as its row, counted; no row for a file that is
// not a checkup file.
std::optional<FileRow> rowOf(const ReadFile &read, NationalSummary &summary)
{
    const SourceFile &file = read.file;
    ++summary.filesRead;
    if (!read.document) {
        ++summary.unreadableFiles;
        return unreadableFileRow(file.name, file.refusal);
    }
    const ReadDocument &document = *read.document;
    if (const auto *other = std::get_if<OtherDocument>(&document)) {
        summary.countOtherFile(file.name, other->reason);
        return std::nullopt;
    }
    if (const auto *unreadable = std::get_if<UnreadableDocument>(&document)) {
        ++summary.unreadableFiles;
        return unreadableFileRow(file.name, unreadable->reason);
    }
    ++summary.checkupFiles;
    const CheckupDocument &checkup = std::get<CheckupDocument>(document);
    const CheckupExaminee examinee = examineeOfCheckup(checkup);
    for (const QString &unused : examinee.unused)
        ++summary.unusedItems[unused];
    return checkupFileRow(file.name, checkup, examinee);
}

// The header of a file read as a checkup file; none for another.
const CheckupHeader *headerOf(const ReadFile &read)
{
    const auto *checkup = read.document ? std::get_if<CheckupDocument>(&*read.document) : nullptr;
    return checkup ? &checkup->header : nullptr;
}

// A file whose name another file of the archive bears: said in its 確認.
void noteSharedName(FileRow &row, const QString &name)
{
    QString &check = row.check();
    check = check.isEmpty() ? sharedNameWarning(name) : check + kReasonSeparator + sharedNameWarning(name);
}

void count(const QString &file, const FileRow &row, NationalSummary &summary)
{
    if (!row.judged) {
        ++summary.rows.notJudged;
        writeError(placedMessage(file, row.check()) + u'\n');
        return;
    }
    summary.rows.countJudged(*row.judged);
    summary.countComparison(row.comparison, row.explainedByRules);
}

// Why one file given alone cannot be judged: refused, unreadable or not a
// checkup file; empty for a checkup file, judged or not.
QString whyNotJudgeable(const ReadFile &read)
{
    if (!read.document)
        return read.file.refusal;
    if (const auto *other = std::get_if<OtherDocument>(&*read.document))
        return other->reason;
    if (const auto *unreadable = std::get_if<UnreadableDocument>(&*read.document))
        return unreadable->reason;
    return {};
}

// The index's count, or why it gives none: missing from a delivery,
// refused as an entry (a bad checksum, cut short) or unreadable as an index.
void readIndex(DocumentSource &source, NationalSummary &summary)
{
    const std::optional<SourceFile> index = source.index();
    if (!index) {
        summary.indexMissing = source.isDelivery();
        return;
    }
    if (!index->refusal.isEmpty()) {
        summary.indexProblem = index->refusal;
        return;
    }
    const auto count = indexRecordCount(index->bytes);
    if (const auto *records = std::get_if<qint64>(&count))
        summary.indexCount = *records;
    else
        summary.indexProblem = std::get<QString>(count);
}

// The input as a source of files, opened as its kind was told: a folder,
// an archive on the file open already, or the one file read on from its
// start.
std::variant<std::unique_ptr<DocumentSource>, SourceProblem> sourceOf(const QString &path, ClassifiedInput input)
{
    switch (input.kind) {
    case InputKind::Folder: return openFolderSource(path);
    case InputKind::NationalArchive:
    case InputKind::DamagedZip: return openZipSource(std::move(input.device));
    default: return openFileSource(*input.device, input.name, input.start); // one file, whatever its start
    }
}

// The list's byte order mark and headings.
bool startList(ResultSink &sink)
{
    return sink.open() && sink.putBytes(byteOrderMark(kListEncoding))
           && sink.putText(delimitedLine(nationalListHeadings(), kComma), 1);
}

// A file's row as a line of the list, written in `csv`. Most cells hold
// what the file wrote; the list's own words never start as a formula nor
// hold a control character.
QStringView csvLine(DelimitedLine &csv, const FileRow &row)
{
    csv.clear();
    for (const QString &cell : row.cells)
        csv.add(spreadsheetText(cell));
    return csv.ended();
}

// Each file's row written and counted: how many rows were written, none
// where the list could not be written. A file given alone comes read
// already, as `lone`.
std::optional<qint64> writeRows(DocumentSource &source, std::optional<ReadFile> lone, ResultSink &sink,
                                NationalSummary &summary, ReportTotals *report)
{
    DelimitedLine csv(kComma);
    qint64 rows = 0;
    ProgressLine progress(sink, QStringLiteral("ファイル"));
    for (qsizetype i = 0; i < source.count(); ++i) {
        const ReadFile read = lone ? std::move(*lone) : readFile(source, i);
        lone.reset();
        progress.step(i + 1, i + 1, source.count());
        const SourceFile &file = read.file;
        std::optional<FileRow> row = rowOf(read, summary);
        if (!row)
            continue;
        if (summary.sharedNames.contains(file.name))
            noteSharedName(*row, file.name);
        count(file.name, *row, summary);
        if (report)
            report->add(nationalReportRow(file.name, *row, headerOf(read)));
        if (!sink.putText(csvLine(csv, *row), ++rows + 1))
            return std::nullopt;
    }
    return rows;
}

// What the source holds beside its files, for the summary.
void noteSourceContents(DocumentSource &source, NationalSummary &summary)
{
    readIndex(source, summary);
    summary.nestedArchives = source.nestedArchives();
    summary.specialFiles = source.specialFiles();
}

int exitStatusOf(const NationalSummary &summary)
{
    if (summary.rows.notJudged > 0)
        return kSomeNotJudged;
    if (!summary.sharedNames.isEmpty() || summary.indexToCheck())
        return kArchiveToCheck;
    if (summary.classDisagreements > 0 || summary.levelDisagreements > 0)
        return kReportedCodesDiffer;
    return summary.reportedNotJudged > 0 ? kReportedNotJudged : kAllJudged;
}

int writeNationalList(const CommandLine &line, DocumentSource &source, std::optional<ReadFile> lone,
                      ReportTotals *report)
{
    ResultSink sink(line, kListEncoding, nationalOutputPath(line.input));
    if (!startList(sink))
        return cannotJudge({}, sink.error());
    NationalSummary summary;
    summary.sharedNames = source.sharedNames();
    const std::optional<qint64> rows = writeRows(source, std::move(lone), sink, summary, report);
    if (!rows)
        return cannotJudge({}, sink.error());
    // An input without one checkup file is not what the desk meant to judge:
    // no list is left.
    if (*rows == 0)
        return cannotJudge(
            line.input,
            QStringLiteral("特定健診の XML ファイルがありません (読んだファイル: %1)").arg(summary.filesRead));
    noteSourceContents(source, summary);
    if (!sink.finish())
        return cannotJudge({}, sink.error());
    summary.rows.output = sink.finalPath();
    writeError(nationalSummaryText(summary));
    return exitStatusOf(summary);
}

} // namespace

QString nationalOutputPath(const QString &input)
{
    // "archive/" is the folder archive; "." and ".." are named by their
    // absolute path's name.
    QFileInfo info(QDir::cleanPath(input));
    if (info.fileName().isEmpty() || info.fileName() == u"." || info.fileName() == u"..")
        info = QFileInfo(info.absoluteFilePath());
    const QString name = info.isDir() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(name + QStringLiteral("_判定.csv"));
}

int judgeNationalFiles(const CommandLine &line, ClassifiedInput input, ReportTotals *report)
{
    if (!line.encoding.isEmpty())
        return cannotJudge(line.input, QStringLiteral("--encoding は一覧の文字コードです: 全国標準の XML "
                                                      "ファイルは自分の宣言で読みます"));
    auto opened = sourceOf(line.input, std::move(input));
    if (const auto *problem = std::get_if<SourceProblem>(&opened))
        return cannotJudge(line.input, problem->message);
    DocumentSource &source = *std::get<std::unique_ptr<DocumentSource>>(opened);
    // One file given alone is the input itself: if it cannot be judged, no
    // list is left, as for a day's list that cannot be read.
    std::optional<ReadFile> lone;
    if (source.isOneFile()) {
        lone = readFile(source, 0);
        if (const QString why = whyNotJudgeable(*lone); !why.isEmpty())
            return cannotJudge(line.input, why);
    }
    return writeNationalList(line, source, std::move(lone), report);
}
