#include "daylist/day_list.h"

#include "daylist/added_columns.h"
#include "daylist/console.h"
#include "daylist/delimited_writer.h"
#include "daylist/exit_status.h"
#include "daylist/kept_bytes.h"
#include "daylist/progress_line.h"
#include "daylist/report_rows.h"
#include "daylist/result_sink.h"
#include "daylist/summary.h"
#include "examinee/columns.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/examinee.h"
#include "examinee/form_entry.h"
#include "examinee/not_examinee_row.h"
#include "national/disk_sources.h"
#include "words/message_words.h"

#include <QFile>

#include <optional>
#include <variant>

namespace {

QString readerProblem(DelimitedReader::Error error)
{
    switch (error) {
    case DelimitedReader::Error::InvalidBytes: return QStringLiteral("この文字コードでは読めないバイトがあります");
    case DelimitedReader::Error::UnreadableFile: return QStringLiteral("読み込みに失敗しました");
    case DelimitedReader::Error::UnclosedQuote: return QStringLiteral("ここで始まる引用符 (\") が閉じていません");
    case DelimitedReader::Error::LongRecord:
        return QStringLiteral("%1 文字を超える行です: 一覧のファイルか確かめてください").arg(kLongestRecord);
    case DelimitedReader::Error::None: break;
    }
    return {};
}

// The encoding the list is read in; for one found from the file, the line
// where UTF-8 lines give way to another encoding (EncodingDetector).
struct ListEncoding {
    TextEncoding encoding;
    qsizetype mixedFromLine = 0;
};

// The encoding the command line names, else the one the whole file shows.
std::optional<ListEncoding> encodingOf(const CommandLine &line, QIODevice &input)
{
    if (line.encoding.isEmpty()) {
        const EncodingDetector detector = detectorOfFile(input);
        return ListEncoding{detector.encoding(), detector.mixedFromLine()};
    }
    auto named = encodingNamed(line.encoding);
    if (!named)
        return std::nullopt;
    // A named UTF-8 keeps the mark the file has, when written back.
    if (named == TextEncoding::Utf8 && input.peek(3) == byteOrderMark(TextEncoding::Utf8WithBom))
        named = TextEncoding::Utf8WithBom;
    return ListEncoding{*named};
}

// Each row judged into the added columns put into it, as KeptBytesWriter
// writes it, and added to the report's totals where there are any.
class RowJudge {
public:
    RowJudge(const QStringList &headings, const ColumnPlan &plan, Summary &summary, ReportTotals *report)
        : m_headings(headings), m_plan(plan), m_summary(summary), m_report(report),
          m_nameColumn(examineeIdColumn(headings))
    {
    }

    // The row's examinee, or why it cannot be judged.
    std::variant<Examinee, RowProblem> read(const DelimitedRecord &record) const
    {
        if (auto problem = runOnQuote(record))
            return *problem;
        return examineeOf(record.cells, m_headings, m_plan, RowUse::Judged);
    }

    // The added columns of the row; its problem told on standard error and
    // counted in the summary.
    void judge(const DelimitedRecord &record, const std::variant<Examinee, RowProblem> &examinee, DelimitedLine &line)
    {
        if (const auto *problem = std::get_if<RowProblem>(&examinee))
            return notJudged(record, line, *problem);
        judgeExaminee(std::get<Examinee>(examinee), [&](const Judgement &judged) {
            m_added.addTo(line, judged);
            m_summary.countJudged(judged);
            if (m_report)
                m_report->add(dayListReportRow(record, m_plan, &judged, {}));
        });
    }

private:
    // A quote left open runs on over the line breaks up to the next quote,
    // joining lines into one record: where the cells then do not match the
    // headings, that is what the desk must mend.
    std::optional<RowProblem> runOnQuote(const DelimitedRecord &record) const
    {
        if (record.lastLine == record.line || record.cells.size() == m_headings.size())
            return std::nullopt;
        return RowProblem{{},
                          QStringLiteral("行 %1～%2: 引用符 (\") が閉じず、%3 行が 1 件になっています")
                              .arg(record.line)
                              .arg(record.lastLine)
                              .arg(record.lastLine - record.line + 1)};
    }

    void notJudged(const DelimitedRecord &record, DelimitedLine &line, const RowProblem &problem)
    {
        const QString said = problem.column.isEmpty()
                                 ? problem.reason
                                 : placedMessage(QStringLiteral("列 ") + messageCell(problem.column), problem.reason);
        writeError(rowPlace(record.row) + examineeNamed(record) + QStringLiteral(", ") + said + u'\n');
        ++m_summary.notJudged;
        if (m_report)
            m_report->add(dayListReportRow(record, m_plan, nullptr, said));
        line.add(notJudgedColumns(said));
    }

    // " (受診者ID K12)", where the list names its examinees.
    QString examineeNamed(const DelimitedRecord &record) const
    {
        const QString name = m_nameColumn >= 0 ? record.cells.value(m_nameColumn).trimmed() : QString();
        if (name.isEmpty())
            return {};
        return QStringLiteral(" (") + m_headings[m_nameColumn].trimmed() + u' ' + messageCell(name) + u')';
    }

    AddedColumns m_added;
    const QStringList &m_headings;
    const ColumnPlan &m_plan;
    Summary &m_summary;
    ReportTotals *m_report;
    qsizetype m_nameColumn;
};

// Why the reading stopped, where, and as what encoding it read. Bytes that
// do not read in a file of UTF-8 lines mixed with others are first those of
// its UTF-8 lines: the line to mend is the first that is not UTF-8.
QString readFailure(const DelimitedReader &reader, const ListEncoding &encoding)
{
    if (reader.error() == DelimitedReader::Error::LongRecord)
        return placedMessage(rowPlace(reader.errorRow()), readerProblem(reader.error()));
    if (reader.error() == DelimitedReader::Error::InvalidBytes && encoding.mixedFromLine > 0)
        return placedMessage(rowPlace(encoding.mixedFromLine),
                             QStringLiteral("UTF-8 として読めません (その前の行は UTF-8 です)。"
                                            "文字コードが混ざっています: 1 つの文字コードで保存し直してください"));
    return placedMessage(
        rowPlace(reader.errorRow()),
        QStringLiteral("%1 (%2 として読みました)").arg(readerProblem(reader.error()), encodingName(encoding.encoding)));
}

// What the heading line lacks: every item missing, and the headings that
// were not recognised, which are often the missing items under a name of
// the desk's own.
QString missingColumns(const QStringList &cells)
{
    QString text =
        QStringLiteral("%1 の列がありません").arg(missingItems(planColumns(cells)).join(QStringLiteral("、")));
    if (QStringList unrecognised = unrecognisedHeadings(cells); !unrecognised.isEmpty()) {
        for (QString &heading : unrecognised)
            heading = messageCell(heading);
        text += QStringLiteral("。見出しと分からなかった列: ") + unrecognised.join(QStringLiteral("、"));
    }
    return text;
}

// The records up to the heading line (the last of them), or to the end of
// the search without one: its records or its characters.
struct HeadingSearch {
    QList<DelimitedRecord> records;
    bool found = false;
    bool endedByLength = false;
};

HeadingSearch findHeadingLine(DelimitedReader &reader)
{
    HeadingSearch search;
    for (DelimitedRecord record; search.records.size() < kHeadingLineSearch;) {
        search.endedByLength = reader.charsRead() >= kHeadingSearchLength;
        if (search.endedByLength || !reader.read(record))
            break;
        search.records << record;
        if (canBeHeadingLine(record.cells)) {
            search.found = true;
            break;
        }
    }
    return search;
}

// The record of the search that came closest to a heading line: the one
// with the most columns recognised.
const DelimitedRecord &closestToHeadings(const QList<DelimitedRecord> &records)
{
    const auto recognised = [](const DelimitedRecord &record) {
        const ColumnPlan plan = planColumns(record.cells);
        return std::count_if(plan.items.cbegin(), plan.items.cend(),
                             [](const auto &columns) { return !columns.isEmpty(); });
    };
    return *std::max_element(records.cbegin(), records.cend(), [&](const DelimitedRecord &a, const DelimitedRecord &b) {
        return recognised(a) < recognised(b);
    });
}

QString noHeadingLine(const HeadingSearch &search)
{
    const QString searched =
        search.endedByLength
            ? QStringLiteral("先頭の %1 文字 (%2 行) ").arg(kHeadingSearchLength).arg(search.records.size())
            : QStringLiteral("先頭から %1 行").arg(kHeadingLineSearch);
    const DelimitedRecord &closest = closestToHeadings(search.records);
    return QStringLiteral("見出しの行がありません (%1のうち、性別と測定値の見出しのある行がありません)。"
                          "いちばん近い行 %2: ")
               .arg(searched)
               .arg(closest.row)
           + missingColumns(closest.cells);
}

// The heading line and its columns, the line the list is judged under.
struct HeadingLine {
    DelimitedRecord record;
    ColumnPlan plan;
};

// The heading line, or why the list has none it can be judged under.
std::variant<HeadingLine, QString> headingLineOf(DelimitedReader &reader, const ListEncoding &encoding)
{
    const HeadingSearch search = findHeadingLine(reader);
    if (reader.error() != DelimitedReader::Error::None)
        return readFailure(reader, encoding);
    if (search.records.isEmpty())
        return placedMessage(emptyFileText(), QStringLiteral("見出しの行が要ります"));
    if (!search.found)
        return noHeadingLine(search);
    HeadingLine heading{search.records.last(), planColumns(search.records.last().cells)};
    if (!missingItems(heading.plan).isEmpty())
        return placedMessage(rowPlace(heading.record.row) + QStringLiteral(" (見出し)"),
                             missingColumns(heading.record.cells));
    return heading;
}

// A row that is no examinee's is told and counted, and written back as it
// stands: it neither is judged nor makes the list one with rows not judged.
bool passedOver(const DelimitedRecord &record, const ColumnPlan &plan, Summary &summary)
{
    const std::optional<QString> why = notAnExamineesRow(record.cells, plan);
    if (!why)
        return false;
    writeError(
        placedMessage(placedMessage(rowPlace(record.row), *why), QStringLiteral("受診者の行ではないので飛ばします\n")));
    ++summary.passedOver;
    return true;
}

// The list written back, every record after the heading line judged into
// its added cells but the blank ones and those of no examinee, and the summary told.
int writeJudgedList(const CommandLine &line, qint64 fileSize, const ListEncoding &encoding, DecodedText &text,
                    DelimitedReader &reader, const HeadingLine &heading, Summary &told, ReportTotals *report)
{
    const QStringList &headings = heading.record.cells;
    ResultSink sink(line, text.encoding());
    KeptBytesWriter written(text, sink, reader.delimiter(), headings.size());
    if (!sink.open())
        return cannotJudge({}, sink.error());
    written.cellsFor(heading.record).add(addedHeadings());
    if (!written.put(heading.record))
        return cannotJudge({}, sink.error());

    Summary summary;
    summary.unusedColumns = unusedColumnsOf(heading.plan, headings);
    {
        ProgressLine progress(sink, QStringLiteral("行"));
        RowJudge rows(headings, heading.plan, summary, report);
        for (DelimitedRecord record; reader.read(record);) {
            bool judged = false;
            if (!allCellsBlank(record.cells)) {
                // Only a row that cannot be judged is asked whether it is an
                // examinee's at all: the headings again or a total never read.
                const auto examinee = rows.read(record);
                judged = std::holds_alternative<Examinee>(examinee) || !passedOver(record, heading.plan, summary);
                if (judged)
                    rows.judge(record, examinee, written.cellsFor(record));
            }
            if (!(judged ? written.put(record) : written.putAsItIs(record)))
                return cannotJudge({}, sink.error());
            progress.step(summary.judged + summary.notJudged, text.bytesRead(), fileSize);
        }
    }
    if (reader.error() != DelimitedReader::Error::None)
        return cannotJudge(line.input, readFailure(reader, encoding));
    if (!written.finish() || !sink.finish())
        return cannotJudge({}, sink.error());
    summary.outputs << sink.finalPath();
    told += summary;
    return summary.notJudged > 0 ? kSomeNotJudged : kAllJudged;
}

} // namespace

int judgeDayList(const CommandLine &line, ReportTotals *report)
{
    QFile input(line.input);
    if (!input.open(QIODevice::ReadOnly))
        return cannotJudge(line.input, cannotOpenText(diskFileProblem(input)));
    Summary summary;
    const int status = judgeDayList(line, input, summary, report);
    if (status < kCannotJudge)
        writeError(summaryText(summary));
    return status;
}

int judgeDayList(const CommandLine &line, QIODevice &input, Summary &summary, ReportTotals *report)
{
    input.seek(0);
    const auto encoding = encodingOf(line, input);
    if (!encoding)
        return cannotJudge({},
                           QStringLiteral("知らない文字コードです: %1 (utf-8, utf-8-bom, utf-16le, utf-16be, cp932)")
                               .arg(line.encoding));
    DecodedText text(input, encoding->encoding);
    text.keepBytes();
    DelimitedReader reader(text);
    const auto heading = headingLineOf(reader, *encoding);
    if (const auto *problem = std::get_if<QString>(&heading))
        return cannotJudge(line.input, *problem);
    return writeJudgedList(line, input.size(), *encoding, text, reader, std::get<HeadingLine>(heading), summary,
                           report);
}
