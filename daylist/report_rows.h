#pragma once

#include "daylist/national_row.h"
#include "daylist/report_totals.h"
#include "examinee/columns.h"
#include "examinee/delimited_reader.h"
#include "judgement/judgement.h"
#include "national/checkup_document.h"

// The rows of each input as the report counts them: a day's list's record,
// or a national file's row with its header where it was read.

// A record of a day's list, judged (`judged`) or not (`reason`): its age at
// the end of the fiscal year and its date of examination, where its cells
// tell them (a list with only 年齢区分 tells no age).
ReportRow dayListReportRow(const DelimitedRecord &record, const ColumnPlan &plan, const Judgement *judged,
                           const QString &reason);

// A national file's row; `header` none for a file that could not be read.
ReportRow nationalReportRow(const QString &file, const FileRow &row, const CheckupHeader *header);
