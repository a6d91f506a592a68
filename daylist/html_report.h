#pragma once

#include "daylist/report_totals.h"

#include <QString>

// The month's report as one self-contained page: Japanese, its style and
// charts inline, nothing loaded from elsewhere and nothing run, printable
// on A4. Well-formed XML as well as HTML, so that it can be read back.
QString htmlReport(const ReportTotals &totals);
