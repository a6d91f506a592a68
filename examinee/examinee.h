#pragma once

#include "examinee/columns.h"
#include "judgement/decision.h"
#include "judgement/entries.h"
#include "state/design_names.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

// One row of a day's list as a desk worker would enter it: the band's
// button, the sex and the four choices, and the text for each field.
struct Examinee {
    AgeBand band = AgeBand::From40To64;
    bool female = false;
    ChoiceSnapshot choices;
    std::array<QString, kFieldCount> texts; // by Field
};

// Why a row is not judged: the heading of the column at fault (empty when
// it is the row as a whole), and what is wrong, in the desk's words.
struct RowProblem {
    QString column;
    QString reason;
};

// The row's examinee, or why it cannot be judged. A value is taken only as
// the field would keep it: a cell that the field's cleaning would change
// ("1S0", "１２０", " 56") is not guessed at. Where two columns hold one item
// they must agree; blood pressure as two readings is their mean.
std::variant<Examinee, RowProblem> examineeOf(const QStringList &cells, const QStringList &headings,
                                              const ColumnPlan &plan);

// One row pasted into the window, as the desk would have typed it: the
// same reading as examineeOf(), but a choice whose column is missing or
// empty leaves the window's start choice, and an age band the row does not
// tell (or cannot) leaves the desk to press the button. A cell that is
// there must read: a value the field's cleaning would change, or a choice
// that is neither yes nor no, is a problem.
struct PastedExaminee {
    std::optional<AgeBand> band;
    std::optional<bool> female;
    std::optional<bool> bloodPressureDrugs;
    std::optional<bool> lipidDrugs;
    std::optional<bool> glucoseDrugs;
    std::optional<bool> smoker;
    std::array<QString, kFieldCount> texts; // by Field
};

std::variant<PastedExaminee, RowProblem> pastedExamineeOf(const QStringList &cells, const QStringList &headings,
                                                          const ColumnPlan &plan);
