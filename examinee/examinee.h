#pragma once

#include "examinee/columns.h"
#include "judgement/decision.h"
#include "state/design_names.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

// One examinee as a desk worker enters them in the window: the band's
// button, the sex and the four choices, and the text for each field. A row
// pasted into the window may leave the band or a choice untold: the window
// keeps its start choice there, and the desk presses the band's button.
struct Examinee {
    std::optional<AgeBand> band;
    std::optional<bool> female;
    std::optional<bool> bloodPressureDrugs;
    std::optional<bool> lipidDrugs;
    std::optional<bool> glucoseDrugs;
    std::optional<bool> smoker;
    std::array<QString, kFieldCount> texts; // by Field
};

// Why a row is not judged: the heading of the column at fault (empty when
// it is the row as a whole), and what is wrong, in the desk's words.
struct RowProblem {
    QString column;
    QString reason;
};

// A record with nothing in it: a blank line, or cells of spaces alone. It
// is no examinee: a spreadsheet writes one for a row it left empty.
bool allCellsBlank(const QStringList &cells);

// What a row must tell. A day's list judges every row, so each row must
// tell the band and every choice; a row pasted into the window enters what
// it tells, and an age band it does not tell (or cannot) is left to the desk.
enum class RowUse { Judged, Pasted };

// "120", "7.5": a number as a laboratory writes it (digits, at most one
// point between digits), for a mean or a value with a bound.
std::optional<double> unsignedDecimal(const QString &text);

// Which of an item's values the judgement takes: the one value, else the
// mean of the two readings, else the one reading there is.
enum class TakenValue { None, Only, Mean, First, Second };
constexpr TakenValue takenValue(bool hasOnly, bool hasFirst, bool hasSecond)
{
    if (hasOnly)
        return TakenValue::Only;
    if (hasFirst && hasSecond)
        return TakenValue::Mean;
    return hasFirst ? TakenValue::First : hasSecond ? TakenValue::Second : TakenValue::None;
}

// The mean of two readings of blood pressure, rounded half up to a whole
// mmHg (as a reading is written); none unless both are plain numbers
// ("120", "7.5").
std::optional<QString> meanOfReadings(const QString &first, const QString &second);

// The row's examinee, or why it cannot be taken. A value is taken only as
// the field would keep it: a cell that the field's cleaning would change
// ("1S0", "１２０", " 56") is not guessed at. Where two columns hold one item
// they must agree; blood pressure as two readings is their mean. A choice
// cell that is there must read as one of the choice's words.
std::variant<Examinee, RowProblem> examineeOf(const QStringList &cells, const QStringList &headings,
                                              const ColumnPlan &plan, RowUse use);
