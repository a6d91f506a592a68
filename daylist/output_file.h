#pragma once

#include "examinee/text_codec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The result file, written so that no one ever finds half of it: into a
// temporary file in the same folder, which becomes the result by a rename
// that never replaces a file. The temporary file is removed on any error, when
// the file is dropped unfinished, and on Ctrl+C.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Opens the temporary file beside the path; false with error() if not.
    bool open(const QString &path);
    bool write(QByteArrayView bytes);
    // Text in the encoding, written without a copy of its own.
    bool write(QStringView text, TextEncoder &encoder);
    // Renames the finished file to the path; with pickFreeName, to the
    // first of "name(2).ext", "name(3).ext", … that does not exist if the
    // path does. False with error() if it cannot, and the file is removed.
    bool commit(bool pickFreeName);
    void discard();

    QString error() const { return m_error; }
    QString finalPath() const { return m_finalPath; }

private:
    void makeRoom(qsizetype bytes);
    bool flushWhenFull();
    bool flush();

    int m_fd = -1;
    QString m_path;
    QString m_finalPath;
    QString m_tempPath;
    QByteArray m_pending;
    QString m_error;
};

// "<name>_判定.<extension>" beside the input.
QString defaultOutputPath(const QString &inputPath);
// "<name><ending>" beside the input: its name without the extension, a
// folder's whole name ("archive/", "." and ".." named as the folder is).
QString pathBeside(const QString &input, const QString &ending);
// The same with "(n)" before the extension.
QString numberedPath(const QString &path, int n);

// Whether the path names an existing file (or anything else).
bool pathExists(const QString &path);
