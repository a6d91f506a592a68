#pragma once

#include "daylist/command_line.h"
#include "daylist/output_file.h"
#include "examinee/text_codec.h"

#include <QByteArray>
#include <QString>

// Where the judged list goes, in the input's encoding: a file renamed into
// place when complete (beside the input, or the one -o names, which must not
// exist), or standard output as it comes (-o -). Beside the input is
// defaultOutputPath() of it unless another default path is given.
class ResultSink {
public:
    ResultSink(const CommandLine &line, TextEncoding encoding, const QString &defaultPath = {});

    bool open();
    bool putBytes(QByteArrayView bytes);
    // Text in the input's encoding; the input's row names it in a message.
    bool putText(QStringView text, qsizetype inputRow);
    bool finish();

    // What went wrong, naming the file; and where the result went.
    QString error() const { return m_error; }
    QString finalPath() const;
    bool toStandardOutput() const { return m_line.output == u"-"; }

private:
    QString writeFailed() const;

    const CommandLine &m_line;
    QString m_defaultPath;
    TextEncoder m_encoder;
    OutputFile m_file;
    QString m_path;
    QString m_error;
};
