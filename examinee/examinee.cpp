#include "examinee/examinee.h"

#include "entry/numeric_entry.h"
#include "examinee/age_band.h"
#include "examinee/choice_words.h"
#include "words/desk_names.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

const QString &cellAt(const QStringList &cells, qsizetype column)
{
    static const QString missing;
    return column < cells.size() ? cells[column] : missing;
}

// Empty or only spaces. A cell that starts with printable ASCII or with a
// character above U+3000 (the last of Unicode's spaces, where Japanese
// text lies) is not, and is known so at once.
bool isBlank(QStringView cell)
{
    if (cell.isEmpty())
        return true;
    const char16_t first = cell.front().unicode();
    if ((first > u' ' && first < 0x7f) || first > 0x3000)
        return false;
    return cell.trimmed().isEmpty();
}

// What a row says of one item: its one value (or none), or the problem.
struct Said {
    QString value;
    qsizetype column = -1;
};
using Resolved = std::variant<Said, RowProblem>;

// The non-empty cells of the item's columns of the reading; all alike.
Resolved agreedCell(const QStringList &cells, const QStringList &headings, const QList<ItemColumn> &columns,
                    Reading reading)
{
    Said said;
    for (const ItemColumn &c : columns) {
        const QString &cell = cellAt(cells, c.column);
        if (c.reading != reading || cell.isEmpty())
            continue;
        if (said.column >= 0 && cell != said.value)
            return RowProblem{headings[c.column], quoted(cell) + QStringLiteral(" と ") + headings[said.column]
                                                      + QStringLiteral(" の ") + quoted(said.value)
                                                      + QStringLiteral(" が食い違います")};
        said = {cell, c.column};
    }
    return said;
}

// Digits and points, some of them full-width ("１７０", "5．6"): a number
// the desk typed with the input method on, which is never read as one.
bool isDigitsWithFullWidth(QStringView text)
{
    bool fullWidth = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= u'０' && u <= u'９') || u == u'．';
        if (!wide && !(u >= u'0' && u <= u'9') && u != u'.')
            return false;
        fullWidth = fullWidth || wide;
    }
    return fullWidth;
}

RowProblem notANumber(const QStringList &headings, const Said &said)
{
    if (isDigitsWithFullWidth(said.value))
        return {headings[said.column],
                quoted(said.value) + QStringLiteral(" は全角の数字です: 数値は半角で入力してください")};
    return {headings[said.column], quoted(said.value) + QStringLiteral(" は数値として読めません")};
}

} // namespace

std::optional<double> unsignedDecimal(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral(R"(^\d+(\.\d+)?$)"));
    return plain.match(text).hasMatch() ? std::optional(text.toDouble()) : std::nullopt;
}

std::optional<QString> meanOfReadings(const QString &first, const QString &second)
{
    const auto a = unsignedDecimal(first), b = unsignedDecimal(second);
    if (!a || !b)
        return std::nullopt;
    return QString::number(std::floor((*a + *b) / 2 + 0.5), 'f', 0);
}

namespace {

// Blood pressure as takenValue() chooses, the mean rounded half up to a
// whole mmHg (as a reading is written).
Resolved measuredValue(const QStringList &cells, const QStringList &headings, const QList<ItemColumn> &columns)
{
    Resolved only = agreedCell(cells, headings, columns, Reading::Only);
    if (std::holds_alternative<RowProblem>(only) || std::get<Said>(only).column >= 0)
        return only;
    const Resolved first = agreedCell(cells, headings, columns, Reading::First);
    const Resolved second = agreedCell(cells, headings, columns, Reading::Second);
    for (const Resolved *r : {&first, &second}) {
        if (std::holds_alternative<RowProblem>(*r))
            return *r;
    }
    const Said &a = std::get<Said>(first), &b = std::get<Said>(second);
    switch (takenValue(false, a.column >= 0, b.column >= 0)) {
    case TakenValue::First: return a;
    case TakenValue::Mean: break;
    default: return b; // the second reading, or no column at all
    }
    for (const Said *reading : {&a, &b}) {
        if (!unsignedDecimal(reading->value))
            return RowProblem{headings[reading->column],
                              quoted(reading->value)
                                  + QStringLiteral(" は数値として読めず、2回の測定の平均が出せません")};
    }
    return Said{*meanOfReadings(a.value, b.value), a.column};
}

ChoiceKind choiceKindOf(Item item)
{
    return item == Item::Sex ? ChoiceKind::Sex : item == Item::Smoking ? ChoiceKind::Smoking : ChoiceKind::YesNo;
}

// A choice from every column of the item: each filled, each readable, all
// the same.
std::variant<bool, RowProblem> choiceOf(const QStringList &cells, const QStringList &headings, const ColumnPlan &plan,
                                        Item item)
{
    if (plan.of(item).isEmpty())
        return RowProblem{itemName(item), QStringLiteral("列がありません")};
    std::optional<bool> chosen;
    qsizetype chosenColumn = -1;
    bool anyFilled = false;
    for (const ItemColumn &c : plan.of(item)) {
        const QString &cell = cellAt(cells, c.column);
        if (isBlank(cell))
            continue;
        anyFilled = true;
        const ChoiceKind kind = choiceKindOf(item);
        const Answer answer = answerOf(cell, kind);
        if (answer == Answer::Unknown)
            return RowProblem{headings[c.column],
                              quoted(cell)
                                  + (item == Item::Sex ? QStringLiteral(" は性別として読めません")
                                                       : QStringLiteral(" はあり・なしとして読めません"))
                                  + QStringLiteral(" (") + choiceCodes(kind) + u')'};
        const bool yes = answer == Answer::Yes;
        if (chosen && *chosen != yes)
            return RowProblem{headings[c.column], quoted(cell) + QStringLiteral(" と ") + headings[chosenColumn]
                                                      + QStringLiteral(" が食い違います")};
        chosen = yes;
        chosenColumn = c.column;
    }
    if (!anyFilled)
        return RowProblem{headings[plan.of(item).front().column], QStringLiteral("空です")};
    return *chosen;
}

QString firstFilled(const QStringList &cells, const ColumnPlan &plan, Item item)
{
    for (const ItemColumn &c : plan.of(item)) {
        if (!isBlank(cellAt(cells, c.column)))
            return cellAt(cells, c.column);
    }
    return {};
}

// The heading of the first column of the item, for a message about it.
QString headingOf(const QStringList &headings, const ColumnPlan &plan, Item item)
{
    return plan.of(item).isEmpty() ? itemName(item) : headings[plan.of(item).front().column];
}

// A row with more cells than headings cannot be read safely.
std::optional<RowProblem> tooManyCells(const QStringList &cells, const QStringList &headings)
{
    if (cells.size() <= headings.size())
        return std::nullopt;
    return RowProblem{
        {},
        QStringLiteral("見出しより多いセルがあります (%1 個、見出しは %2 個)").arg(cells.size()).arg(headings.size())};
}

// Nor a row with fewer: a cell dropped in the middle moves every later value
// one column left, and nothing tells it from empty cells at the end. (A row
// pasted into the window may stop short: the desk sees every value entered.)
std::optional<RowProblem> tooFewCells(const QStringList &cells, const QStringList &headings)
{
    if (cells.size() >= headings.size())
        return std::nullopt;
    return RowProblem{{},
                      QStringLiteral("列が %1 つ足りません (見出しは %2 列、この行は %3 列)")
                          .arg(headings.size() - cells.size())
                          .arg(headings.size())
                          .arg(cells.size())};
}

AgeCells ageCellsOf(const QStringList &cells, const ColumnPlan &plan)
{
    return {firstFilled(cells, plan, Item::AgeBand), firstFilled(cells, plan, Item::FiscalYearEndAge),
            firstFilled(cells, plan, Item::BirthDate), firstFilled(cells, plan, Item::ExamDate)};
}

// The text of each field, taken only as the field would keep it.
std::optional<RowProblem> readFieldTexts(const QStringList &cells, const QStringList &headings, const ColumnPlan &plan,
                                         std::array<QString, kFieldCount> &texts)
{
    for (const MeasuredItem &item : kMeasuredItems) {
        const auto field = fieldOf(item.entry);
        if (!field)
            continue; // computed, never read
        Resolved value = measuredValue(cells, headings, plan.of(itemOf(item.entry)));
        if (const auto *problem = std::get_if<RowProblem>(&value))
            return *problem;
        Said &said = std::get<Said>(value);
        // The field keeps a text as it stands only if its cleaning would
        // remove nothing; anything else the desk would see changed.
        if (!isCleanNumericText(said.value))
            return notANumber(headings, said);
        texts[std::size_t(*field)] = std::move(said.value);
    }
    return std::nullopt;
}

} // namespace

bool allCellsBlank(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &cell) {
        return std::all_of(cell.cbegin(), cell.cend(), [](QChar c) { return c.isSpace(); });
    });
}

std::variant<Examinee, RowProblem> examineeOf(const QStringList &cells, const QStringList &headings,
                                              const ColumnPlan &plan, RowUse use)
{
    if (auto problem = tooManyCells(cells, headings))
        return *problem;
    if (use == RowUse::Judged) {
        if (auto problem = tooFewCells(cells, headings))
            return *problem;
    }
    Examinee examinee;
    const auto band = bandOfRow(ageCellsOf(cells, plan));
    if (const auto *told = std::get_if<AgeBand>(&band))
        examinee.band = *told;
    else if (use == RowUse::Judged) {
        const AgeProblem &problem = std::get<AgeProblem>(band);
        return RowProblem{headingOf(headings, plan, problem.item), problem.reason};
    }

    for (const auto &[item, into] : {std::pair{Item::Sex, &examinee.female},
                                     {Item::BloodPressureDrugs, &examinee.bloodPressureDrugs},
                                     {Item::LipidDrugs, &examinee.lipidDrugs},
                                     {Item::GlucoseDrugs, &examinee.glucoseDrugs},
                                     {Item::Smoking, &examinee.smoker}}) {
        // A paste leaves a choice that the row does not tell at its start.
        if (use == RowUse::Pasted && firstFilled(cells, plan, item).isEmpty())
            continue;
        const auto chosen = choiceOf(cells, headings, plan, item);
        if (const auto *problem = std::get_if<RowProblem>(&chosen))
            return *problem;
        *into = std::get<bool>(chosen);
    }

    if (auto problem = readFieldTexts(cells, headings, plan, examinee.texts))
        return *problem;
    return examinee;
}
