#include "examinee/pasted_row.h"

#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "state/form_controls.h"
#include "words/record_row.h"

#include <QBuffer>

#include <algorithm>

namespace {

bool isAllEmpty(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

// Whether the headings name anything the window takes: a value or a choice.
bool namesAnEntry(const ColumnPlan &plan)
{
    for (std::size_t item = 0; item < kItemCount; ++item) {
        const Item it = Item(item);
        if (it != Item::AgeBand && it != Item::FiscalYearEndAge && it != Item::BirthDate && it != Item::ExamDate
            && !plan.of(it).isEmpty())
            return true;
    }
    return false;
}

void choose(FormControls &form, const std::optional<bool> &yes, Option yesOption, Option noOption)
{
    if (yes)
        form.select(*yes ? yesOption : noOption);
}

} // namespace

std::variant<PastedRow, PasteProblem> pastedRowOf(const QString &clipboardText)
{
    QByteArray bytes = clipboardText.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DecodedText text(buffer, TextEncoding::Utf8);
    DelimitedReader reader(text);
    QList<QStringList> records;
    DelimitedRecord record;
    while (reader.read(record)) {
        if (!isAllEmpty(record.cells))
            records << record.cells;
    }
    if (reader.error() == DelimitedReader::Error::UnclosedQuote)
        return PasteProblem{{}, QStringLiteral("引用符 (\") が閉じていません")};
    if (records.isEmpty())
        return PasteProblem{{}, QStringLiteral("クリップボードに受診者の行がありません")};

    // Under a heading line, or Kalvemo's own row without one.
    QStringList headings = records.takeFirst();
    ColumnPlan plan = planColumns(headings);
    if (!namesAnEntry(plan)) {
        const QStringList own = judgedRecordHeadings();
        if (headings.size() != own.size())
            return PasteProblem{{}, QStringLiteral("見出しの行がありません (身長・体重などの見出しが見つかりません)")};
        records.prepend(headings);
        headings = own;
        plan = planColumns(headings);
    }
    if (records.isEmpty())
        return PasteProblem{{}, QStringLiteral("見出しの下に受診者の行がありません")};

    const auto examinee = pastedExamineeOf(records.front(), headings, plan);
    if (const auto *problem = std::get_if<RowProblem>(&examinee))
        return *problem;
    return PastedRow{std::get<PastedExaminee>(examinee), records.size() > 1};
}

void enterPasted(FormControls &form, const PastedExaminee &examinee)
{
    choose(form, examinee.female, Choice::kFemale, Choice::kMale);
    choose(form, examinee.bloodPressureDrugs, Choice::kBloodPressureDrugs, Choice::kNoBloodPressureDrugs);
    choose(form, examinee.lipidDrugs, Choice::kLipidDrugs, Choice::kNoLipidDrugs);
    choose(form, examinee.glucoseDrugs, Choice::kGlucoseDrugs, Choice::kNoGlucoseDrugs);
    choose(form, examinee.smoker, Choice::kSmoker, Choice::kNonSmoker);
    for (std::size_t field = 0; field < kFieldCount; ++field)
        form.setText(Field(field), examinee.texts[field]);
}
