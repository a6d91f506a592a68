#pragma once

#include "judgement/decision.h"
#include "judgement/entries.h"
#include "state/criteria.h"
#include "words/text_builder.h"
#include "words/words.h"

#include <QString>
#include <QStringView>

// The words the desk uses for what a judgement looked at: the entries, the
// criteria, the sex, the age bands and the choices. The explanations and the
// copied record both speak in these words, so that a value is called the same
// wherever it appears.

// Each word decoded once, as every explanation and copied row repeats them.
const QString &wordText(Word w);

// The caption's word without its unit: "身長", "HDL-CHO", "HbA1c".
const QString &entryName(Entry entry);
// The unit of the entry: "cm", "kg", "kg/m²", "mmHg", "mg/dL", "%".
const QString &entryUnit(Entry entry);

// What the user saw of a text: the text without control characters. Tabs and
// line feeds can be pasted into a numeric field (and read as nothing by
// NumericValue), but must not split an explanation line or a copied row.
QString shownText(const QString &text);
void appendShownText(TextBuilder &to, QStringView text);
// A text that came from a file, with every control character shown as a
// sign instead of acting: C0 and DEL as their Unicode control pictures
// ("\x1b" as "␛", a tab as "␉"), C1 as "\x85", and the controls that
// reorder text as their code point ("<U+202E>"). What a sender wrote then
// can neither move a terminal's cursor, nor split a row, nor show a name
// backwards.
QString visibleText(const QString &text);
// A cell as a message quotes it: "1S0", as the user saw it, shortened as
// messageCell shortens it.
QString quoted(const QString &cell);

// A limit as the checkup rules write it: "130", "5.6", "6.0".
QString limitText(Entry entry, double limit);
void appendLimitText(TextBuilder &to, Entry entry, double limit);
// A number with its unit: "142 mmHg", "5.8 %".
QString withUnit(const QString &number, Entry entry);

const QString &criterionName(Criterion criterion); // "血圧", "脂質", "血糖"
const QString &sexName(bool female);               // "男性", "女性"
const QString &choiceName(bool yes);               // "あり", "なし"
// The caption of the judgement button of the band: "40歳～64歳", "65歳～74歳".
const QString &ageBandName(AgeBand band);
