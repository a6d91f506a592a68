#pragma once

#include "daylist/result_sink.h"

#include <QElapsedTimer>
#include <QString>

// How far a long run has come, over one line of standard error: the share
// of the input done, the things done (a list's rows, an archive's files) and
// how many a second. A run of less than a second shows none; a longer one
// redraws the line a few times a second and wipes it when the line goes out
// of scope, before the summary. Only on a terminal, and never when the list
// itself goes to standard output, where the two would mix on the screen.
class ProgressLine {
public:
    // `unit` names what is counted: 行, ファイル.
    ProgressLine(const ResultSink &sink, QString unit);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // `done` things so far; `part` of `whole` of the input read (bytes,
    // files).
    void step(qint64 done, qint64 part, qint64 whole);

private:
    bool m_shown;
    QString m_unit;
    qint64 m_nextDrawMs;
    QElapsedTimer m_clock;
};
