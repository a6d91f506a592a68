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

// The field of each measured item.
// clang-format off
struct FieldItem { Item item; Field field; };
constexpr FieldItem kFieldItems[] = {
    {Item::Height, Field::Text9},         {Item::Weight, Field::Text10},
    {Item::Waist, Field::Text12},         {Item::Systolic, Field::Text1},
    {Item::Diastolic, Field::Text2},      {Item::Triglycerides, Field::Text6},
    {Item::Hdl, Field::Text7},            {Item::FastingGlucose, Field::Text4},
    {Item::Hba1c, Field::Text5},
};
// clang-format on

QString quoted(const QString &cell) { return u'"' + shownText(cell) + u'"'; }

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
            return RowProblem{headings[c.column], quoted(cell) + QStringLiteral(" と列 ") + headings[said.column]
                                                      + QStringLiteral(" の ") + quoted(said.value)
                                                      + QStringLiteral(" が食い違います")};
        said = {cell, c.column};
    }
    return said;
}

RowProblem notANumber(const QStringList &headings, const Said &said)
{
    return {headings[said.column], quoted(said.value) + QStringLiteral(" は数値として読めません")};
}

// "120", "7.5": a number as a laboratory writes it, for a mean.
std::optional<double> plainNumber(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral(R"(^\d+(\.\d+)?$)"));
    return plain.match(text).hasMatch() ? std::optional(text.toDouble()) : std::nullopt;
}

// Blood pressure: the one value, else the mean of the two readings,
// rounded half up to a whole mmHg (as a reading is written), else the one
// reading there is.
Resolved measuredValue(const QStringList &cells, const QStringList &headings, const QList<ItemColumn> &columns)
{
    // The usual list: one column for the item, one value.
    if (columns.size() == 1 && columns.front().reading == Reading::Only) {
        const QString &cell = cellAt(cells, columns.front().column);
        return Said{cell, cell.isEmpty() ? -1 : columns.front().column};
    }
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
    if (a.column < 0 || b.column < 0)
        return a.column >= 0 ? a : b;
    for (const Said *reading : {&a, &b}) {
        if (!plainNumber(reading->value))
            return RowProblem{headings[reading->column],
                              quoted(reading->value)
                                  + QStringLiteral(" は数値として読めず、2回の測定の平均が出せません")};
    }
    const double mean = std::floor((*plainNumber(a.value) + *plainNumber(b.value)) / 2 + 0.5);
    return Said{QString::number(mean, 'f', 0), a.column};
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
            return RowProblem{headings[c.column], quoted(cell) + QStringLiteral(" と列 ") + headings[chosenColumn]
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
QString headingOf(const QStringList &headings, const ColumnPlan &plan, Item item, const QString &itemWord)
{
    return plan.of(item).isEmpty() ? itemWord : headings[plan.of(item).front().column];
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
    for (const FieldItem &fi : kFieldItems) {
        Resolved value = measuredValue(cells, headings, plan.of(fi.item));
        if (const auto *problem = std::get_if<RowProblem>(&value))
            return *problem;
        Said &said = std::get<Said>(value);
        // The field keeps a text as it stands only if its cleaning would
        // remove nothing; anything else the desk would see changed.
        if (!isCleanNumericText(said.value))
            return notANumber(headings, said);
        texts[std::size_t(fi.field)] = std::move(said.value);
    }
    return std::nullopt;
}

} // namespace

std::variant<Examinee, RowProblem> examineeOf(const QStringList &cells, const QStringList &headings,
                                              const ColumnPlan &plan)
{
    if (auto problem = tooManyCells(cells, headings))
        return *problem;
    if (auto problem = tooFewCells(cells, headings))
        return *problem;
    Examinee examinee;
    const AgeCells ageCells = ageCellsOf(cells, plan);
    const auto band = bandOfRow(ageCells);
    if (const auto *problem = std::get_if<AgeProblem>(&band)) {
        const Item item = problem->item == itemName(Item::FiscalYearEndAge) ? Item::FiscalYearEndAge
                          : problem->item == itemName(Item::BirthDate)      ? Item::BirthDate
                          : problem->item == itemName(Item::ExamDate)       ? Item::ExamDate
                                                                            : Item::AgeBand;
        return RowProblem{headingOf(headings, plan, item, problem->item), problem->reason};
    }
    examinee.band = std::get<AgeBand>(band);

    const auto choice = [&](Item item, bool &into) -> std::optional<RowProblem> {
        const auto chosen = choiceOf(cells, headings, plan, item);
        if (const auto *problem = std::get_if<RowProblem>(&chosen))
            return *problem;
        into = std::get<bool>(chosen);
        return std::nullopt;
    };
    if (auto p = choice(Item::Sex, examinee.female))
        return *p;
    if (auto p = choice(Item::BloodPressureDrugs, examinee.choices.bloodPressureDrugs))
        return *p;
    if (auto p = choice(Item::LipidDrugs, examinee.choices.lipidDrugs))
        return *p;
    if (auto p = choice(Item::GlucoseDrugs, examinee.choices.glucoseDrugs))
        return *p;
    if (auto p = choice(Item::Smoking, examinee.choices.smoker))
        return *p;

    if (auto problem = readFieldTexts(cells, headings, plan, examinee.texts))
        return *problem;
    return examinee;
}

std::variant<PastedExaminee, RowProblem> pastedExamineeOf(const QStringList &cells, const QStringList &headings,
                                                          const ColumnPlan &plan)
{
    if (auto problem = tooManyCells(cells, headings))
        return *problem;
    PastedExaminee pasted;
    const AgeCells ageCells = ageCellsOf(cells, plan);
    if (const auto band = bandOfRow(ageCells); std::holds_alternative<AgeBand>(band))
        pasted.band = std::get<AgeBand>(band);

    const auto choice = [&](Item item, std::optional<bool> &into) -> std::optional<RowProblem> {
        if (firstFilled(cells, plan, item).isEmpty())
            return std::nullopt;
        const auto chosen = choiceOf(cells, headings, plan, item);
        if (const auto *problem = std::get_if<RowProblem>(&chosen))
            return *problem;
        into = std::get<bool>(chosen);
        return std::nullopt;
    };
    for (const auto &[item, into] : {std::pair{Item::Sex, &pasted.female},
                                     {Item::BloodPressureDrugs, &pasted.bloodPressureDrugs},
                                     {Item::LipidDrugs, &pasted.lipidDrugs},
                                     {Item::GlucoseDrugs, &pasted.glucoseDrugs},
                                     {Item::Smoking, &pasted.smoker}}) {
        if (auto problem = choice(item, *into))
            return *problem;
    }
    if (auto problem = readFieldTexts(cells, headings, plan, pasted.texts))
        return *problem;
    return pasted;
}
