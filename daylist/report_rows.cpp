#include "daylist/report_rows.h"

#include "examinee/age_band.h"
#include "words/message_words.h"
#include "words/record_row.h"

namespace {

CountedResults countedResultsOf(const Judgement &judged)
{
    ResultCells cells = judgedResultCells(judged);
    const ChoiceSnapshot &choices = judged.choices;
    return {judged.entries.female,
            cells[ResultColumn::ClassCode].toInt(),
            cells[ResultColumn::LevelCode].toInt(),
            {choices.bloodPressureDrugs, choices.lipidDrugs, choices.glucoseDrugs}};
}

// The age at the end of the fiscal year from the two dates, where both read.
std::optional<int> yearEndAgeOn(const std::optional<QDate> &birth, const std::optional<QDate> &exam)
{
    if (!birth || !exam || *exam < *birth)
        return std::nullopt;
    return fiscalYearEndAge(*birth, *exam);
}

// The first cell of the item's columns that is filled.
QString cellOf(const DelimitedRecord &record, const ColumnPlan &plan, Item item)
{
    for (const ItemColumn &column : plan.of(item)) {
        const QString cell = record.cells.value(column.column).trimmed();
        if (!cell.isEmpty())
            return cell;
    }
    return {};
}

} // namespace

ReportRow dayListReportRow(const DelimitedRecord &record, const ColumnPlan &plan, const Judgement *judged,
                           const QString &reason)
{
    ReportRow row{rowPlace(record.row), {}, {}, dateOf(cellOf(record, plan, Item::ExamDate)), {}, reason, {}};
    if (const QString age = cellOf(record, plan, Item::FiscalYearEndAge); !age.isEmpty())
        row.yearEndAge = yearsOf(age);
    else
        row.yearEndAge = yearEndAgeOn(dateOf(cellOf(record, plan, Item::BirthDate)), row.examDate);
    if (judged)
        row.judged = countedResultsOf(*judged);
    return row;
}

ReportRow nationalReportRow(const QString &file, const FileRow &row, const CheckupHeader *header)
{
    const CheckupHeader none;
    const CheckupHeader &read = header ? *header : none;
    ReportRow report{file, read.cardNumber, {}, dateOf(read.examDate), {}, row.check(), {}};
    report.yearEndAge = yearEndAgeOn(dateOf(read.birthDate), report.examDate);
    if (row.judged)
        report.judged = countedResultsOf(*row.judged);
    report.national =
        ReportedFile{read.institution, read.institutionName, row.reported, row.comparison, row.explainedByRules};
    return report;
}
