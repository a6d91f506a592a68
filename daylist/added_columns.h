#pragma once

#include "judgement/judgement.h"

#include <QString>
#include <QStringList>

// The columns that a judged day's list gains after its own: the record's
// results as the window's copied record has them (メタボリックシンドローム,
// 保健指導レベル, the two data-standard codes, 確認), then 未入力 (the entries
// a prompt asks for) and the two explanations, each line of them joined
// with " / ".
QStringList addedHeadings();

// The added columns for a judgement, every word of them from the words
// layer, as the window shows them.
QStringList addedColumns(const Judgement &judged);

// The added columns of a row that is not judged: the reason in 確認, every
// other column empty.
QStringList notJudgedColumns(const QString &reason);

// Where 確認 stands among the added columns.
qsizetype checkColumnIndex();
