#include "examinee/choice_words.h"

#include "words/desk_names.h"
#include "words/message_words.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <vector>

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

// The words of one kind of choice: as the table writes them, and as a cell
// is compared.
struct KindWords {
    std::vector<std::pair<QStringView, bool>> written;
    std::vector<std::pair<QString, bool>> folded;
};

const KindWords &wordsOf(ChoiceKind kind)
{
    static const auto all = [] {
        std::array<KindWords, 3> words;
        for (const ChoiceKind k : {ChoiceKind::Sex, ChoiceKind::YesNo, ChoiceKind::Smoking}) {
            for (const ChoiceWord &c : kChoiceWords) {
                if (!applies(c, k))
                    continue;
                words[std::size_t(k)].written.emplace_back(c.word, c.yes);
                words[std::size_t(k)].folded.emplace_back(folded(c.word), c.yes);
            }
        }
        return words;
    }();
    return all[std::size_t(kind)];
}

} // namespace

Answer answerOf(QStringView cell, ChoiceKind kind)
{
    // A cell written as the table writes a word, the usual one, is known at
    // once; any other is folded first.
    const KindWords &words = wordsOf(kind);
    for (const auto &[word, yes] : words.written) {
        if (cell == word)
            return yes ? Answer::Yes : Answer::No;
    }
    const QString key = folded(cell.trimmed()).trimmed();
    for (const auto &[word, yes] : words.folded) {
        if (key == word)
            return yes ? Answer::Yes : Answer::No;
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
        return code(false) + u' ' + sexName(false) + kReasonSeparator + code(true) + u' ' + sexName(true);
    return code(true) + u' ' + choiceName(true) + kReasonSeparator + code(false) + u' ' + choiceName(false);
}
