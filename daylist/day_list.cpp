#include "daylist/day_list.h"

#include "daylist/added_columns.h"
#include "daylist/console.h"
#include "daylist/delimited_writer.h"
#include "daylist/national_list.h"
#include "daylist/result_sink.h"
#include "daylist/summary.h"
#include "examinee/columns.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/examinee.h"
#include "examinee/form_entry.h"
#include "national/document_source.h"

#include <QElapsedTimer>
#include <QFile>

#include <optional>

namespace {

constexpr qint64 kProgressEveryRows = 2000;
constexpr qint64 kProgressAfterMs = 1000; // a short list shows none

int cannotJudge(const QString &file, const QString &message)
{
    writeError(QStringLiteral("kalvemo-judge: ") + (file.isEmpty() ? QString() : file + QStringLiteral(": ")) + message
               + u'\n');
    return kCannotJudge;
}

QString readerProblem(DelimitedReader::Error error)
{
    switch (error) {
    case DelimitedReader::Error::InvalidBytes: return QStringLiteral("この文字コードでは読めないバイトがあります");
    case DelimitedReader::Error::UnreadableFile: return QStringLiteral("読み込みに失敗しました");
    case DelimitedReader::Error::UnclosedQuote: return QStringLiteral("ここで始まる引用符 (\") が閉じていません");
    case DelimitedReader::Error::None: break;
    }
    return {};
}

// The encoding the command line names, else the one the whole file shows.
std::optional<TextEncoding> encodingOf(const CommandLine &line, QFile &input)
{
    if (line.encoding.isEmpty())
        return detectEncoding(input);
    auto named = encodingNamed(line.encoding);
    // A named UTF-8 keeps the mark the file has, when written back.
    if (named == TextEncoding::Utf8 && input.peek(3) == byteOrderMark(TextEncoding::Utf8WithBom))
        named = TextEncoding::Utf8WithBom;
    return named;
}

bool isAllEmpty(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return cell.isEmpty(); });
}

// The row as written: its cells under their headings (missing ones empty),
// the added columns, then any cells beyond the headings, so that nothing of
// the row is lost and the results stay under their own headings.
class RowWriter {
public:
    RowWriter(QChar delimiter, const QStringList &headings, const ColumnPlan &plan, Summary &summary)
        : m_line(delimiter), m_headings(headings), m_plan(plan), m_summary(summary)
    {
    }

    QStringView lineOf(const DelimitedRecord &record)
    {
        const QStringList &cells = record.cells;
        const qsizetype headingCount = m_headings.size();
        m_line.clear();
        for (qsizetype i = 0; i < headingCount; ++i)
            m_line.add(i < cells.size() ? QStringView(cells[i]) : QStringView());
        judge(record);
        for (qsizetype i = headingCount; i < cells.size(); ++i)
            m_line.add(cells[i]);
        return m_line.ended();
    }

private:
    // The added columns of the row; its problem told on standard error and
    // counted in the summary.
    void judge(const DelimitedRecord &record)
    {
        auto examinee = examineeOf(record.cells, m_headings, m_plan);
        if (const auto *problem = std::get_if<RowProblem>(&examinee)) {
            const QString where =
                problem->column.isEmpty() ? QString() : QStringLiteral("列 ") + problem->column + QStringLiteral(": ");
            writeError(QStringLiteral("行 %1, ").arg(record.line) + where + problem->reason + u'\n');
            ++m_summary.notJudged;
            m_line.add(notJudgedColumns(where + problem->reason));
            return;
        }
        judgeExaminee(std::move(std::get<Examinee>(examinee)), [this](const Judgement &judged) {
            m_added.addTo(m_line, judged);
            m_summary.countJudged(judged);
        });
    }

    DelimitedLine m_line;
    AddedColumns m_added;
    const QStringList &m_headings;
    const ColumnPlan &m_plan;
    Summary &m_summary;
};

// Percent of the file and rows per second, over the same line, on a
// terminal only.
class Progress {
public:
    Progress(bool shown, qint64 fileSize) : m_shown(shown), m_fileSize(fileSize) { m_clock.start(); }
    void rowDone(qint64 rows, qint64 bytesRead)
    {
        if (!m_shown || rows % kProgressEveryRows != 0 || m_clock.elapsed() < kProgressAfterMs)
            return;
        const qint64 ms = m_clock.elapsed();
        writeError(QStringLiteral("\r%1 %  %2 行  %3 行/秒   ")
                       .arg(m_fileSize > 0 ? bytesRead * 100 / m_fileSize : 0)
                       .arg(rows)
                       .arg(rows * 1000 / ms));
        m_written = true;
    }
    ~Progress()
    {
        if (m_written)
            writeError(QStringLiteral("\r%1\r").arg(QString(60, u' ')));
    }

private:
    bool m_shown;
    qint64 m_fileSize;
    bool m_written = false;
    QElapsedTimer m_clock;
};

} // namespace

int judgeDayList(const CommandLine &line)
{
    QFile input(line.input);
    if (!input.open(QIODevice::ReadOnly))
        return cannotJudge(line.input, QStringLiteral("開けません: ") + input.errorString());
    const auto encoding = encodingOf(line, input);
    if (!encoding)
        return cannotJudge({},
                           QStringLiteral("知らない文字コードです: %1 (utf-8, utf-8-bom, utf-16le, utf-16be, cp932)")
                               .arg(line.encoding));

    DecodedText text(input, *encoding);
    DelimitedReader reader(text);
    const auto readError = [&] {
        return cannotJudge(line.input, QStringLiteral("%1 行目: %2 (%3 として読みました)")
                                           .arg(reader.errorLine())
                                           .arg(readerProblem(reader.error()), encodingName(*encoding)));
    };
    DelimitedRecord headingRecord;
    if (!reader.read(headingRecord)) {
        return reader.error() != DelimitedReader::Error::None
                   ? readError()
                   : cannotJudge(line.input, QStringLiteral("空のファイルです: 見出しの行が要ります"));
    }
    const QStringList headings = headingRecord.cells;
    const ColumnPlan plan = planColumns(headings);
    if (const QString missing = missingItem(plan); !missing.isEmpty())
        return cannotJudge(
            line.input, QStringLiteral("%1 行目 (見出し): %2 の列がありません").arg(headingRecord.line).arg(missing));

    ResultSink sink(line, *encoding);
    const QChar delimiter = reader.delimiter();
    if (!sink.open() || !sink.putBytes(byteOrderMark(*encoding))
        || !sink.putLine(delimitedLine(headings + addedHeadings(), delimiter), headingRecord.line))
        return cannotJudge({}, sink.error());

    Summary summary;
    summary.unusedColumns = unusedColumnsOf(plan, headings);
    {
        Progress progress(errorIsTerminal() && line.output != u"-", input.size());
        RowWriter rows(delimiter, headings, plan, summary);
        for (DelimitedRecord record; reader.read(record);) {
            if (isAllEmpty(record.cells))
                continue;
            if (!sink.putLine(rows.lineOf(record), record.line))
                return cannotJudge({}, sink.error());
            progress.rowDone(summary.judged + summary.notJudged, text.bytesRead());
        }
    }
    if (reader.error() != DelimitedReader::Error::None)
        return readError();
    if (!sink.finish())
        return cannotJudge({}, sink.error());
    summary.output = sink.finalPath();
    writeError(summaryText(summary));
    return summary.notJudged > 0 ? kSomeNotJudged : kAllJudged;
}

int runKalvemoJudge(const QStringList &arguments)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto *usage = std::get_if<QString>(&parsed)) {
        writeError(QStringLiteral("kalvemo-judge: ") + *usage + QStringLiteral("\n詳しくは kalvemo-judge --help\n"));
        return kCannotJudge;
    }
    const CommandLine &line = std::get<CommandLine>(parsed);
    if (line.help) {
        writeHelp(helpText());
        return kAllJudged;
    }
    if (isNationalInput(line.input))
        return judgeNationalFiles(line);
    return judgeDayList(line);
}
