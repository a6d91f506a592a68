#include "examinee/choice_words.h"

#include "words/desk_names.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

enum class Applies { Sex, Choice, SmokingOnly };

struct ChoiceWord {
    QStringView word;
    Applies applies;
    bool yes; // for the sex: female
};

// The one table of the words; the code of each answer is its digit.
// clang-format off
constexpr ChoiceWord kChoiceWords[] = {
    {u"男", Applies::Sex, false}, {u"男性", Applies::Sex, false}, {u"M", Applies::Sex, false},
    {u"1", Applies::Sex, false},
    {u"女", Applies::Sex, true}, {u"女性", Applies::Sex, true}, {u"F", Applies::Sex, true},
    {u"2", Applies::Sex, true},
    {u"あり", Applies::Choice, true}, {u"有", Applies::Choice, true}, {u"はい", Applies::Choice, true},
    {u"○", Applies::Choice, true}, {u"◯", Applies::Choice, true}, {u"Y", Applies::Choice, true},
    {u"YES", Applies::Choice, true}, {u"1", Applies::Choice, true},
    {u"なし", Applies::Choice, false}, {u"無", Applies::Choice, false}, {u"いいえ", Applies::Choice, false},
    {u"×", Applies::Choice, false}, {u"N", Applies::Choice, false}, {u"NO", Applies::Choice, false},
    {u"2", Applies::Choice, false},
    {u"吸う", Applies::SmokingOnly, true}, {u"吸わない", Applies::SmokingOnly, false},
    {u"3", Applies::SmokingOnly, false},
};
// clang-format on

bool applies(const ChoiceWord &word, ChoiceKind kind)
{
    switch (word.applies) {
    case Applies::Sex: return kind == ChoiceKind::Sex;
    case Applies::Choice: return kind != ChoiceKind::Sex;
    case Applies::SmokingOnly: return kind == ChoiceKind::Smoking;
    }
    return false;
}

QString folded(QStringView text) { return text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded(); }

// The table's words as a cell is compared, in the table's order.
const std::array<QString, std::size(kChoiceWords)> &foldedWords()
{
    static const auto words = [] {
        std::array<QString, std::size(kChoiceWords)> w;
        std::transform(std::begin(kChoiceWords), std::end(kChoiceWords), w.begin(),
                       [](const ChoiceWord &c) { return folded(c.word); });
        return w;
    }();
    return words;
}

} // namespace

Answer answerOf(QStringView cell, ChoiceKind kind)
{
    // A cell written as the table writes a word, the usual one, is known at
    // once; any other is folded first.
    for (const ChoiceWord &c : kChoiceWords) {
        if (applies(c, kind) && cell == c.word)
            return c.yes ? Answer::Yes : Answer::No;
    }
    const QString key = folded(cell.trimmed()).trimmed();
    const auto &words = foldedWords();
    for (std::size_t i = 0; i < std::size(kChoiceWords); ++i) {
        if (applies(kChoiceWords[i], kind) && key == words[i])
            return kChoiceWords[i].yes ? Answer::Yes : Answer::No;
    }
    return Answer::Unknown;
}

QStringList choiceWords(ChoiceKind kind, bool yes)
{
    QStringList words;
    for (const ChoiceWord &c : kChoiceWords) {
        // Smoking's own words follow the words of every choice.
        const bool own = kind == ChoiceKind::Smoking ? c.applies == Applies::SmokingOnly : applies(c, kind);
        if (own && c.yes == yes)
            words << c.word.toString();
    }
    return words;
}

QString choiceCodes(ChoiceKind kind)
{
    const auto code = [kind](bool yes) {
        for (const ChoiceWord &c : kChoiceWords) {
            if (applies(c, kind) && c.yes == yes && c.word.size() == 1 && c.word.front().isDigit())
                return c.word.toString();
        }
        return QString();
    };
    if (kind == ChoiceKind::Sex)
        return code(false) + u' ' + sexName(false) + QStringLiteral(" / ") + code(true) + u' ' + sexName(true);
    return code(true) + u' ' + choiceName(true) + QStringLiteral(" / ") + code(false) + u' ' + choiceName(false);
}
