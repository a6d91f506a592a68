#pragma once

#include "daylist/command_line.h"
#include "daylist/exit_status.h"
#include "daylist/output_file.h"
#include "daylist/report_totals.h"

#include <optional>

// The report a run writes with --report: by the list's own rules, never
// over a file that exists, written to a temporary file beside it and renamed
// into place. The place is tried before the run judges anything, so that a
// report that cannot be written stops it there; the file is written at the
// end, when the list's temporary file is gone, since Ctrl+C removes the one
// temporary file there is.
//
// Files dropped on the icon (no option given) get a report too, beside the
// first input as "<name>_報告.html", with (2), (3)… where that is taken.
class ReportFile {
public:
    ReportFile(const CommandLine &line, bool dropped);

    // Whether the report can be written there; true without --report.
    bool open();
    // The totals the run feeds; none without --report.
    ReportTotals *totals() { return m_totals ? &*m_totals : nullptr; }
    // The report written where the run left a result for any input; the
    // run's status, or kCannotJudge if the report cannot be written.
    int finish(const RunStatus &run);

    QString error() const { return m_error; }

private:
    QString m_path;
    bool m_beside = false; // named after the input: a free name is picked
    std::optional<ReportTotals> m_totals;
    QString m_error;
};
