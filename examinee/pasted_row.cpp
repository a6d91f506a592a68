#include "examinee/pasted_row.h"

#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "words/record_row.h"

#include <QBuffer>

#include <algorithm>

namespace {

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
        if (!allCellsBlank(record.cells))
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

    const auto examinee = examineeOf(records.front(), headings, plan, RowUse::Pasted);
    if (const auto *problem = std::get_if<RowProblem>(&examinee))
        return *problem;
    return PastedRow{std::get<Examinee>(examinee), records.size() > 1};
}
