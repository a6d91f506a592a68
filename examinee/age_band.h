#pragma once

#include "judgement/decision.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

// The age band of an examinee, from what a day's list says of the age.
//
// The programme places an examinee by the age at the end of the fiscal year
// of the examination (1 April to 31 March): the 年度末年齢. By the law on
// counting ages a person reaches an age at the end of the day before the
// birthday, so someone born on 1 April is a year older on 31 March already.
// 40 to 64 is 40歳～64歳; 65 to 74 is 65歳～74歳, and so is 75 for someone who
// is still 74 on the day of the examination; anything else is outside the
// programme.

// "2024/4/1", "2024-04-01", "20240401", "2024年4月1日" and the Japanese
// eras: "昭和35年4月1日", "S35.4.1", "平成元年1月8日", "R6/4/1"; each may be
// followed by a time of midnight ("2024/4/1 0:00", "2024-04-01T00:00:00").
std::optional<QDate> dateOf(QStringView text);

// An age in whole years as a spreadsheet may write it: "64", "64歳",
// "64.0", "６４"; not "64.5".
std::optional<int> yearsOf(QStringView text);

// The age on a day (complete years), and the age at the end of the fiscal
// year in which the day falls.
int ageOn(QDate birth, QDate day);
int fiscalYearEndAge(QDate birth, QDate examination);

// The band for an age at the end of the fiscal year, given the age on the
// day of the examination where it is known; none outside the programme.
std::optional<AgeBand> bandForAges(int fiscalYearEndAge, std::optional<int> ageOnExamination);

// "40歳～64歳", "65歳～74歳" (with ～, 〜, ~ or -), or "1" and "2".
std::optional<AgeBand> bandNamed(QStringView text);

// The cells of a row that can tell the age band; empty where the list has
// no such column or the row leaves it empty.
struct AgeCells {
    QString band;
    QString fiscalYearEndAge;
    QString birthDate;
    QString examDate;
};

// Why a row's age band is not known: the item whose cell is at fault, the
// cell, and what is wrong, in the desk's words.
struct AgeProblem {
    QString item;
    QString cell;
    QString reason;
};

std::variant<AgeBand, AgeProblem> bandOfRow(const AgeCells &cells);
