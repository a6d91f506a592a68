#pragma once

#include "daylist/delimited_writer.h"
#include "judgement/judgement.h"
#include "words/record_row.h"
#include "words/text_builder.h"

#include <QString>
#include <QStringList>

#include <array>

// The added columns (addedHeadings()) for a judgement, every word of them
// from the words layer, as the window shows them, added to a line as they
// are written: row after row, the explanations are written in one room that
// this keeps.
class AddedColumns {
public:
    void addTo(DelimitedLine &line, const Judgement &judged);
    // The same cells, each a text of its own, for a list written cell by
    // cell (the national files' list).
    QStringList cellsOf(const Judgement &judged);

private:
    std::array<TextBuilder, 2> m_explanations; // the class's and the guidance level's
};

// The added columns of a row that is not judged: the reason in 確認, every
// other column empty.
QStringList notJudgedColumns(const QString &reason);

// Where 確認 stands among the added columns, and 判定した年齢区分 after it.
qsizetype checkColumnIndex();
qsizetype bandColumnIndex();
