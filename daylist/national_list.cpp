#include "daylist/national_list.h"

#include "daylist/console.h"
#include "daylist/delimited_writer.h"
#include "daylist/examinees_seen.h"
#include "daylist/exit_status.h"
#include "daylist/national_row.h"
#include "daylist/national_summary.h"
#include "daylist/output_file.h"
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

// One file of the source as its row, counted, named `name` in the list;
// no row for a file that is not a checkup file.
std::optional<FileRow> rowOf(const ReadFile &read, const QString &name, NationalSummary &summary)
{
    const SourceFile &file = read.file;
    ++summary.filesRead;
    if (!read.document) {
        ++summary.unreadableFiles;
        return unreadableFileRow(name, file.refusal);
    }
    const ReadDocument &document = *read.document;
    if (const auto *other = std::get_if<OtherDocument>(&document)) {
        summary.countOtherFile(name, other->reason);
        return std::nullopt;
    }
    if (const auto *unreadable = std::get_if<UnreadableDocument>(&document)) {
        ++summary.unreadableFiles;
        return unreadableFileRow(name, unreadable->reason);
    }
    ++summary.checkupFiles;
    const CheckupDocument &checkup = std::get<CheckupDocument>(document);
    const CheckupExaminee examinee = examineeOfCheckup(checkup);
    for (const QString &unused : examinee.unused)
        ++summary.unusedItems[unused];
    return checkupFileRow(name, checkup, examinee);
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
void readIndex(DocumentSource &source, SourceNotes &summary)
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

int exitStatusOf(const NationalSummary &summary)
{
    if (summary.rows.notJudged > 0)
        return kSomeNotJudged;
    if (summary.inputsToCheck())
        return kArchiveToCheck;
    if (summary.classDisagreements > 0 || summary.levelDisagreements > 0)
        return kReportedCodesDiffer;
    return summary.reportedNotJudged > 0 ? kReportedNotJudged : kAllJudged;
}

// One input's source, opened; and the file given alone, read already.
struct OpenedInput {
    std::unique_ptr<DocumentSource> source;
    std::optional<ReadFile> lone;
};

// The input opened as its kind was told, or why it cannot be judged at all.
// One file given alone is the input itself: if it cannot be judged, it is
// refused as a day's list that cannot be read is.
std::variant<OpenedInput, QString> openInput(const QString &path, ClassifiedInput told)
{
    auto opened = sourceOf(path, std::move(told));
    if (const auto *problem = std::get_if<SourceProblem>(&opened))
        return problem->message;
    OpenedInput input{std::move(std::get<std::unique_ptr<DocumentSource>>(opened)), std::nullopt};
    if (input.source->isOneFile()) {
        input.lone = readFile(*input.source, 0);
        if (const QString why = whyNotJudgeable(*input.lone); !why.isEmpty())
            return why;
    }
    return input;
}

// The one list of a run's inputs: each input's files become its rows, named
// by the input too where there are several ("A.zip: DATA/h1.xml", a file
// given alone by its own path), and the summary counts them all.
class NationalList {
public:
    NationalList(const CommandLine &line, ReportTotals *report)
        : m_line(line), m_several(line.inputs.size() > 1), m_report(report),
          m_sink(line, kListEncoding, nationalOutputPath(line.input))
    {
    }

    // The input's rows written; false where the list cannot be written.
    bool add(const QString &path, OpenedInput input)
    {
        if (!m_started && !(m_started = startList(m_sink)))
            return false;
        DocumentSource &source = *input.source;
        SourceNotes notes;
        notes.input = m_several ? path : QString();
        notes.sharedNames = source.sharedNames();
        const qint64 checkupFilesBefore = m_summary.checkupFiles;
        ProgressLine progress(m_sink, QStringLiteral("ファイル"));
        for (qsizetype i = 0; i < source.count(); ++i) {
            const ReadFile read = input.lone ? std::move(*input.lone) : readFile(source, i);
            input.lone.reset();
            progress.step(i + 1, i + 1, source.count());
            if (!writeRow(read, entryName(path, source, read.file.name), notes.sharedNames))
                return false;
        }
        notes.checkupFiles = m_summary.checkupFiles - checkupFilesBefore;
        readIndex(source, notes);
        notes.nestedArchives = source.nestedArchives();
        notes.specialFiles = source.specialFiles();
        m_summary.inputs << notes;
        return true;
    }

    // The list left and the summary told; the status of its rows, or 2 where
    // it holds none or cannot be left.
    int finish()
    {
        if (!m_started)
            return kCannotJudge;
        // A run without one checkup file is not what the desk meant to judge:
        // no list is left.
        if (m_rows == 0)
            return cannotJudge(
                m_several ? QString() : m_line.input,
                QStringLiteral("特定健診の XML ファイルがありません (読んだファイル: %1)").arg(m_summary.filesRead));
        if (!m_sink.finish())
            return cannotJudge({}, m_sink.error());
        m_summary.rows.outputs << m_sink.finalPath();
        writeError(nationalSummaryText(m_summary));
        return exitStatusOf(m_summary);
    }

    QString error() const { return m_sink.error(); }

private:
    QString entryName(const QString &path, const DocumentSource &source, const QString &name) const
    {
        if (!m_several)
            return name;
        return source.isOneFile() ? path : path + QStringLiteral(": ") + name;
    }

    bool writeRow(const ReadFile &read, const QString &name, const QStringList &sharedNames)
    {
        std::optional<FileRow> row = rowOf(read, name, m_summary);
        if (!row)
            return true;
        if (sharedNames.contains(read.file.name))
            noteSharedName(*row, read.file.name);
        count(name, *row, m_summary);
        const CheckupHeader *header = headerOf(read);
        const bool repeated = header && isRepeated(*header, name);
        if (m_report) {
            ReportRow reportRow = nationalReportRow(name, *row, header);
            reportRow.repeated = repeated;
            m_report->add(reportRow);
        }
        return m_sink.putText(csvLine(m_csv, *row), ++m_rows + 1);
    }

    // Whether the examinee and date came in a file before: named in the
    // summary, the first kRepeatedNamed of them.
    bool isRepeated(const CheckupHeader &header, const QString &name)
    {
        const std::optional<QString> earlier = m_seen.earlierFile(header, name);
        if (earlier && m_summary.repeatedExaminees.size() < kRepeatedNamed)
            m_summary.repeatedExaminees << repeatedExamineeText(header, *earlier, name);
        return earlier.has_value();
    }

    static constexpr qsizetype kRepeatedNamed = 100;
    const CommandLine &m_line;
    const bool m_several;
    ReportTotals *m_report;
    ResultSink m_sink;
    bool m_started = false;
    NationalSummary m_summary;
    ExamineesSeen m_seen;
    DelimitedLine m_csv{kComma};
    qint64 m_rows = 0;
};

} // namespace

QString nationalOutputPath(const QString &input) { return pathBeside(input, QStringLiteral("_判定.csv")); }

RunStatus judgeNationalFiles(const CommandLine &line, std::vector<NamedInput> inputs, ReportTotals *report)
{
    if (!line.encoding.isEmpty())
        return {cannotJudge(line.input, QStringLiteral("--encoding は一覧の文字コードです: 全国標準の XML "
                                                       "ファイルは自分の宣言で読みます")),
                false};
    RunStatus run;
    NationalList list(line, report);
    for (NamedInput &input : inputs) {
        auto opened = openInput(input.path, std::move(input.told));
        if (const auto *why = std::get_if<QString>(&opened))
            run.add(cannotJudge(input.path, *why), false);
        else if (!list.add(input.path, std::move(std::get<OpenedInput>(opened))))
            return {cannotJudge({}, list.error()), false};
    }
    const int status = list.finish();
    run.add(status, status < kCannotJudge);
    return run;
}
