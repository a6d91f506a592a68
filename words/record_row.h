#pragma once

#include "judgement/judgement.h"

#include <QString>
#include <QStringList>

#include <array>

// The judged record as a row for a spreadsheet or a record system: the
// examinee as judged and the two results as shown, one column each.

// 年齢区分, 性別, 身長, …, メタボリックシンドローム, 保健指導レベル, then the
// two results as codes of the national data standard (1 to 3, 4 where a
// prompt stands) and the values to check (確認), joined with 「、」.
QStringList judgedRecordHeadings();

// The values of the row, each as the user saw it: the field's text without
// control characters, the band as its button's caption, the sex and the
// choices in the words of the form, the results as the labels show them.
QStringList judgedRecordRow(const Judgement &judged);

// The row's last five cells, メタボリックシンドローム to 確認: what was
// judged of the examinee, without the examinee.
using ResultCells = std::array<QString, 5>;
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
