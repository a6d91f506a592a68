#include "daylist/day_list.h"

#include "daylist/added_columns.h"
#include "daylist/columns.h"
#include "daylist/console.h"
#include "daylist/decoded_text.h"
#include "daylist/delimited_reader.h"
#include "daylist/delimited_writer.h"
#include "daylist/engine.h"
#include "daylist/examinee.h"
#include "daylist/output_file.h"
#include "daylist/summary.h"

#include <QElapsedTimer>
#include <QFile>

namespace {

constexpr qint64 kProgressEveryRows = 2000;
constexpr qint64 kProgressAfterMs = 1000; // a short list shows none

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

bool isAllEmpty(const QStringList &cells)
{
    for (const QString &cell : cells) {
        if (!cell.isEmpty())
            return false;
    }
    return true;
}

// Where the result goes: a file renamed into place when complete, or
// standard output as it comes.
class ResultSink {
public:
    ResultSink(const CommandLine &line, TextEncoding encoding) : m_line(line), m_encoder(encoding) {}

    bool open()
    {
        if (toStandardOutput())
            return true;
        m_path = m_line.output.isEmpty() ? defaultOutputPath(m_line.input) : m_line.output;
        if (!m_line.output.isEmpty() && pathExists(m_path)) {
            m_error = m_path + QStringLiteral(": ファイルがすでにあります (上書きしません)");
            return false;
        }
        if (!m_file.open(m_path)) {
            m_error = m_path + QStringLiteral(": 書けません: ") + m_file.error();
            return false;
        }
        return true;
    }

    bool putBytes(const QByteArray &bytes)
    {
        if (toStandardOutput() ? writeOutput(bytes) : m_file.write(bytes))
            return true;
        m_error = (toStandardOutput() ? QStringLiteral("標準出力") : m_path) + QStringLiteral(": 書けません: ")
                  + m_file.error();
        return false;
    }

    // The line in the input's encoding; the input line for a message.
    bool putLine(const QString &line, qsizetype inputLine)
    {
        const QByteArray bytes = m_encoder.encode(line);
        if (m_encoder.failed()) {
            m_error = QStringLiteral("%1 行目: 「%2」は入力の文字コードで書けません")
                          .arg(inputLine)
                          .arg(m_encoder.unwritable());
            return false;
        }
        return putBytes(bytes);
    }

    bool finish()
    {
        if (toStandardOutput())
            return std::fflush(stdout) == 0;
        if (m_file.commit(m_line.output.isEmpty()))
            return true;
        m_error = m_path + QStringLiteral(": 書けません: ") + m_file.error();
        return false;
    }

    QString error() const { return m_error; }
    QString finalPath() const { return toStandardOutput() ? QStringLiteral("標準出力") : m_file.finalPath(); }

private:
    bool toStandardOutput() const { return m_line.output == u"-"; }

    const CommandLine &m_line;
    TextEncoder m_encoder;
    OutputFile m_file;
    QString m_path;
    QString m_error;
};

int cannotJudge(const QString &file, const QString &message)
{
    writeError(QStringLiteral("kalvemo-judge: ") + (file.isEmpty() ? QString() : file + QStringLiteral(": ")) + message
               + u'\n');
    return kCannotJudge;
}

void showProgress(qint64 done, qint64 total, qint64 rows, qint64 ms)
{
    const qint64 percent = total > 0 ? done * 100 / total : 0;
    writeError(QStringLiteral("\r%1 %  %2 行  %3 行/秒   ").arg(percent).arg(rows).arg(ms > 0 ? rows * 1000 / ms : 0));
}

} // namespace

int judgeDayList(const CommandLine &line)
{
    QFile input(line.input);
    if (!input.open(QIODevice::ReadOnly))
        return cannotJudge(line.input, QStringLiteral("開けません: ") + input.errorString());

    TextEncoding encoding;
    if (!line.encoding.isEmpty()) {
        const auto named = encodingNamed(line.encoding);
        if (!named)
            return cannotJudge(
                {}, QStringLiteral("知らない文字コードです: %1 (utf-8, utf-8-bom, utf-16le, utf-16be, cp932)")
                        .arg(line.encoding));
        encoding = *named;
        // A named UTF-8 keeps the mark the file has, when written back.
        if (encoding == TextEncoding::Utf8 && input.peek(3) == byteOrderMark(TextEncoding::Utf8WithBom))
            encoding = TextEncoding::Utf8WithBom;
    } else {
        encoding = detectEncoding(input);
    }

    DecodedText text(input, encoding);
    DelimitedReader reader(text);
    const auto readError = [&] {
        return cannotJudge(line.input, QStringLiteral("%1 行目: %2 (%3 として読みました)")
                                           .arg(reader.errorLine())
                                           .arg(readerProblem(reader.error()), encodingName(encoding)));
    };
    DelimitedRecord headingRecord;
    if (!reader.read(headingRecord))
        return reader.error() != DelimitedReader::Error::None
                   ? readError()
                   : cannotJudge(line.input, QStringLiteral("空のファイルです: 見出しの行が要ります"));
    const QStringList headings = headingRecord.cells;
    const QChar delimiter = reader.delimiter();
    const ColumnPlan plan = planColumns(headings);
    if (const QString missing = missingItem(plan); !missing.isEmpty())
        return cannotJudge(
            line.input, QStringLiteral("%1 行目 (見出し): %2 の列がありません").arg(headingRecord.line).arg(missing));

    ResultSink sink(line, encoding);
    if (!sink.open())
        return cannotJudge({}, sink.error());
    const QStringList added = addedHeadings();
    if (!sink.putBytes(byteOrderMark(encoding)) || !sink.putLine(delimitedLine(headings + added, delimiter), 1))
        return cannotJudge({}, sink.error());

    Summary summary;
    summary.unusedColumns = unusedColumnsOf(plan, headings);
    const bool progress = errorIsTerminal() && line.output != u"-";
    QElapsedTimer clock;
    clock.start();
    bool progressShown = false;
    DelimitedRecord record;
    while (reader.read(record)) {
        if (isAllEmpty(record.cells))
            continue;
        QStringList cells = record.cells.mid(0, headings.size());
        while (cells.size() < headings.size())
            cells << QString(); // fewer cells than headings: the rest are empty
        const auto examinee = examineeOf(record.cells, headings, plan);
        QStringList columns;
        if (const auto *problem = std::get_if<RowProblem>(&examinee)) {
            const QString where =
                problem->column.isEmpty() ? QString() : QStringLiteral("列 ") + problem->column + QStringLiteral(": ");
            writeError(QStringLiteral("行 %1, ").arg(record.line) + where + problem->reason + u'\n');
            columns = notJudgedColumns(where + problem->reason);
            ++summary.notJudged;
        } else {
            columns = addedColumns(judgeExaminee(std::get<Examinee>(examinee)));
            summary.countJudged(columns);
        }
        // Cells beyond the headings are kept after the added columns, so
        // that nothing of the row is lost and the results stay under their
        // headings.
        if (!sink.putLine(delimitedLine(cells + columns + record.cells.mid(headings.size()), delimiter), record.line))
            return cannotJudge({}, sink.error());
        const qint64 rows = summary.judged + summary.notJudged;
        if (progress && rows % kProgressEveryRows == 0 && clock.elapsed() > kProgressAfterMs) {
            showProgress(text.bytesRead(), input.size(), rows, clock.elapsed());
            progressShown = true;
        }
    }
    if (progressShown)
        writeError(QStringLiteral("\r%1\r").arg(QString(60, u' ')));
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
        writeOutput(helpText().toUtf8());
        return kAllJudged;
    }
    return judgeDayList(line);
}
