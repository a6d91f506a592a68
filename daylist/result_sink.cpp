#include "daylist/result_sink.h"

#include "daylist/console.h"
#include "words/message_words.h"

#include <QFileInfo>

#include <cstdio>

ResultSink::ResultSink(const CommandLine &line, TextEncoding encoding, const QString &defaultPath)
    : m_line(line), m_defaultPath(defaultPath.isEmpty() ? defaultOutputPath(line.input) : defaultPath),
      m_encoder(encoding)
{
}

bool ResultSink::open()
{
    if (toStandardOutput())
        return true;
    m_path = m_line.output.isEmpty() ? m_defaultPath : m_line.output;
    if (!m_line.output.isEmpty() && pathExists(m_path)) {
        m_error =
            m_path
            + (QFileInfo(m_path).isDir() ? QStringLiteral(": フォルダです: -o には結果のファイル名を指定してください")
                                         : QStringLiteral(": ファイルがすでにあります (上書きしません)"));
        return false;
    }
    if (!m_file.open(m_path)) {
        m_error = writeFailed();
        return false;
    }
    return true;
}

bool ResultSink::putBytes(QByteArrayView bytes)
{
    if (toStandardOutput() ? writeOutput(bytes) : m_file.write(bytes))
        return true;
    m_error = writeFailed();
    return false;
}

bool ResultSink::putText(QStringView line, qsizetype inputRow)
{
    // Text that cannot be written ends the run: on standard output it is
    // not written at all; in a file it goes with the temporary file.
    QByteArray bytes;
    bool written = true;
    if (toStandardOutput())
        bytes = m_encoder.encode(line);
    else
        written = m_file.write(line, m_encoder);
    if (m_encoder.failed()) {
        m_error = placedMessage(rowPlace(inputRow),
                                QStringLiteral("「%1」は入力の文字コードで書けません").arg(m_encoder.unwritable()));
        return false;
    }
    if (toStandardOutput())
        written = writeOutput(bytes);
    if (!written)
        m_error = writeFailed();
    return written;
}

bool ResultSink::finish()
{
    if (toStandardOutput() ? std::fflush(stdout) == 0 : m_file.commit(m_line.output.isEmpty()))
        return true;
    m_error = writeFailed();
    return false;
}

QString ResultSink::finalPath() const { return toStandardOutput() ? QStringLiteral("標準出力") : m_file.finalPath(); }

QString ResultSink::writeFailed() const
{
    if (toStandardOutput())
        return QStringLiteral("標準出力に書けません");
    return placedMessage(m_path, QStringLiteral("書けません: ") + m_file.error());
}
