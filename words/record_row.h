#pragma once

#include "judgement/judgement.h"

#include <QString>
#include <QStringList>

#include <array>

// The judged record as a row for a spreadsheet or a record system: the
// examinee as judged and the two results as shown, one column each.

// The record's columns from its results on, in this order: the two results
// as the labels show them, the same as codes of the national data standard
// (1 to 3, 4 where a prompt stands), and the values to check, joined with
// 「、」.
enum class ResultColumn { SyndromeClass, GuidanceLevel, ClassCode, LevelCode, Check };
inline constexpr std::array kAllResultColumns = {ResultColumn::SyndromeClass, ResultColumn::GuidanceLevel,
                                                 ResultColumn::ClassCode, ResultColumn::LevelCode, ResultColumn::Check};

// The record's columns: 年齢区分, 性別, one per entry, one per criterion's
// drug treatment, 喫煙, then the results.
inline constexpr qsizetype kFirstResultColumn = 2 + qsizetype(kEntryCount) + qsizetype(kCriteriaInDeskOrder.size()) + 1;
inline constexpr qsizetype kRecordColumnCount = kFirstResultColumn + qsizetype(kAllResultColumns.size());
constexpr qsizetype recordColumn(ResultColumn column) { return kFirstResultColumn + qsizetype(column); }

// メタボリックシンドローム, 保健指導レベル, メタボリックシンドローム判定コード,
// 保健指導レベルコード, 確認.
QString resultHeading(ResultColumn column);

// 年齢区分, 性別, 身長, …, 喫煙, then each result column's heading.
QStringList judgedRecordHeadings();

// The values of the row, each as the user saw it: the field's text without
// control characters, the band as its button's caption, the sex and the
// choices in the words of the form, the results as the labels show them.
QStringList judgedRecordRow(const Judgement &judged);

// The row's result cells, メタボリックシンドローム to 確認: what was judged
// of the examinee, without the examinee.
struct ResultCells {
    std::array<QString, kAllResultColumns.size()> cells; // by ResultColumn
    QString &operator[](ResultColumn column) { return cells[std::size_t(column)]; }
    auto begin() const { return cells.begin(); }
    auto end() const { return cells.end(); }
};
ResultCells judgedResultCells(const Judgement &judged);

// The columns that a judged day's list gains after its own: the record's
// results as the copied record has them (メタボリックシンドローム,
// 保健指導レベル, the two data-standard codes, 確認), then 判定した年齢区分
// (the band that judged the row, empty where it was not judged), 未入力 (the
// entries a prompt asks for) and the two explanations, each line of them
// joined with " / ". A list that already has them is never read from them.
QStringList addedHeadings();

// One tab-separated line, ended with CRLF as spreadsheets expect, so that
// rows pasted one after another into a text file stay rows.
QString tabSeparatedLine(const QStringList &columns);
