#pragma once

#include <QString>

#include <algorithm>

// The exit statuses of kalvemo-judge. A list's rows and the national files'
// checkup files share them; only the national files report codes of their
// own to compare with the judgement.
enum ExitStatus {
    kAllJudged = 0,
    kSomeNotJudged = 1,
    kReportedCodesDiffer = 1, // every checkup file judged, some reported code not the judged one
    kReportedNotJudged = 1, // every checkup file judged, a reported code standing where a prompt does (判定できず):
                            // a comparison that could not be made is still something to look at
    kArchiveToCheck = 1, // every checkup file judged, the archive not as its maker meant it (a name twice, an
                         // index counting other than found, missing or damaged)
    kCannotJudge = 2,
};

// What a run over its inputs came to: the worst of their statuses (2 over 1
// over 0), and whether a result was left for any of them. An input that
// cannot be read at all makes the run's status 2, yet the others' results
// are still written, and the report covers them.
struct RunStatus {
    int status = kAllJudged;
    bool resultLeft = false;

    void add(int inputStatus, bool left)
    {
        status = std::max(status, inputStatus);
        resultLeft = resultLeft || left;
    }
    void add(const RunStatus &other) { add(other.status, other.resultLeft); }
};

// Tells on standard error why the input (named, where `file` is not empty)
// cannot be judged; the exit status for it.
int cannotJudge(const QString &file, const QString &message);
