#include "daylist/national_row.h"

#include "daylist/added_columns.h"
#include "examinee/age_band.h"
#include "examinee/form_entry.h"
#include "words/desk_names.h"
#include "words/message_words.h"
#include "words/record_row.h"

namespace {

QStringList headerHeadings()
{
    return {QStringLiteral("ファイル"),         QStringLiteral("保険者番号"), QStringLiteral("被保険者証等記号"),
            QStringLiteral("被保険者証等番号"), QStringLiteral("受診券番号"), QStringLiteral("カナ氏名"),
            QStringLiteral("生年月日"),         QStringLiteral("受診日"),     QStringLiteral("健診機関番号")};
}

QStringList reportHeadings()
{
    return {QStringLiteral("報告されたメタボリックシンドローム判定コード"),
            QStringLiteral("報告された保健指導レベルコード"), QStringLiteral("照合"), QStringLiteral("規則の違い")};
}

QStringList headerCells(const QString &file, const CheckupHeader &header)
{
    return {file,
            header.insurer,
            header.cardSymbol,
            header.cardNumber,
            header.ticket,
            header.kanaName,
            header.birthDate,
            header.examDate,
            header.institution};
}

// The added columns after the record's own: 未入力 and the explanations.
// (The record's own 年齢区分 is the band that judged the file: the day's
// list's 判定した年齢区分 would only repeat it.)
qsizetype firstAddedAfterRecord() { return bandColumnIndex() + 1; }
qsizetype addedAfterRecord() { return addedHeadings().size() - firstAddedAfterRecord(); }

// The record's column of each item, from its headings.
const ColumnPlan &recordPlan()
{
    static const ColumnPlan plan = planColumns(judgedRecordHeadings());
    return plan;
}

// The record's columns for a file not judged: each item's value as it is
// read, under the record's heading of the item; the age band where the
// dates tell it; the reason in 確認.
QStringList readRecordCells(const CheckupHeader &header, const CheckupExaminee &examinee)
{
    const ColumnPlan &plan = recordPlan();
    QStringList cells(kRecordColumnCount);
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (!plan.items[i].isEmpty())
            cells[plan.items[i].front().column] = examinee.read[i];
    }
    if (!plan.of(Item::AgeBand).isEmpty()) {
        const auto band = bandOfRow({{}, {}, header.birthDate, header.examDate});
        if (const auto *known = std::get_if<AgeBand>(&band))
            cells[plan.of(Item::AgeBand).front().column] = ageBandName(*known);
    }
    cells[recordColumn(ResultColumn::Check)] = examinee.problem;
    return cells;
}

} // namespace

QStringList nationalListHeadings()
{
    return headerHeadings() + judgedRecordHeadings() + addedHeadings().mid(firstAddedAfterRecord()) + reportHeadings();
}

FileRow checkupFileRow(const QString &file, const CheckupDocument &document, const CheckupExaminee &examinee)
{
    FileRow row;
    row.cells = headerCells(file, document.header);
    const QStringList reported{examinee.reportedClass, examinee.reportedLevel};
    row.reported = {examinee.reportedClass, examinee.reportedLevel};
    if (!examinee.examinee) {
        row.cells << readRecordCells(document.header, examinee) << QStringList(addedAfterRecord()) << reported
                  << QString() << QString();
        return row;
    }
    judgeExaminee(*examinee.examinee, [&row](const Judgement &judged) { row.judged = judged; });
    // The words are made from the judgement with each value that has a
    // bound as the file gives it ("40 未満"), not as the number the
    // handlers were given: the record, the explanations and the rules'
    // differences show what the file says.
    Judgement judged = *row.judged;
    for (std::size_t i = 0; i < kItemCount; ++i) {
        if (const auto entry = entryOf(Item(i)); entry && !examinee.bounded[i].isEmpty())
            entryText(judged.entries, *entry) = examinee.bounded[i];
    }
    QStringList record = judgedRecordRow(judged);
    QString &check = record[recordColumn(ResultColumn::Check)];
    const QStringList toCheck = check.isEmpty() ? QStringList() : QStringList{check};
    check = (toCheck + examinee.notes).join(kReasonSeparator);
    const QStringList added = AddedColumns().cellsOf(judged);
    const ReportedCodes &reportedCodes = row.reported;
    row.comparison = compareCodes(reportedCodes, judgedCodesOf(judged));
    QStringList differences = ruleDifferences(judged, examinee.nonFasting);
    if (!differences.isEmpty() && (row.comparison.differs() || row.comparison.notJudged())) {
        if (const std::optional<Examinee> programme = programmeReading(*examinee.examinee, examinee.nonFasting)) {
            JudgedCodes programmeCodes;
            judgeExaminee(*programme,
                          [&programmeCodes](const Judgement &read) { programmeCodes = judgedCodesOf(read); });
            const ProgrammeVerdicts verdicts = programmeVerdicts(reportedCodes, row.comparison, programmeCodes);
            differences << verdicts.texts;
            row.explainedByRules = verdicts.explainsDifference;
        }
    }
    row.cells << record << added.mid(firstAddedAfterRecord()) << reported << row.comparison.text
              << differences.join(kReasonSeparator);
    return row;
}

qsizetype FileRow::checkCell()
{
    static const qsizetype column = headerHeadings().size() + recordColumn(ResultColumn::Check);
    return column;
}

FileRow unreadableFileRow(const QString &file, const QString &reason)
{
    FileRow row;
    row.cells = headerCells(file, {});
    QStringList record(kRecordColumnCount);
    record[recordColumn(ResultColumn::Check)] = reason;
    row.cells << record << QStringList(addedAfterRecord()) << QStringList(reportHeadings().size());
    return row;
}
