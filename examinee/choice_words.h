#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The words a desk writes in a choice's cell, compared after compatibility
// folding (full width to ASCII) and case folding, blanks around them
// ignored. The sex: 男 / 男性 / M / 1 and 女 / 女性 / F / 2. A choice: あり /
// 有 / はい / ○ / ◯ / Y / YES / 1 and なし / 無 / いいえ / × / N / NO / 2; for
// smoking also 吸う, 吸わない and the data standard's 3 for a non-smoker.
//
// Never 0: an empty formula or a blank with a number format shows 0, and an
// unknown must not become a no. Nor 〇 (the kanji zero, which looks like ０).
enum class ChoiceKind { Sex, YesNo, Smoking };

// For the sex, Yes is female.
enum class Answer { Yes, No, Unknown };

Answer answerOf(QStringView cell, ChoiceKind kind);

// The words read as an answer, in the order the help lists them.
QStringList choiceWords(ChoiceKind kind, bool yes);

// The answers by their codes, for a refusal: "1 男性 / 2 女性", "1 あり / 2 なし".
QString choiceCodes(ChoiceKind kind);
