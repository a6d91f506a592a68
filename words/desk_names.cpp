#include "words/desk_names.h"

#include "words/message_words.h"

#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// The UTF-8 texts of a table, decoded on first use.
template <std::size_t N, typename Text> std::array<QString, N> decoded(Text text)
{
    std::array<QString, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = QString::fromUtf8(text(i));
    return texts;
}

// The control characters (general category Cc): C0, DEL and C1.
bool isControl(QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f); }

// The controls that reorder the text around them: the embeddings and
// overrides (U+202A–U+202E) and the isolates (U+2066–U+2069). A name can
// hide its true end behind one ("txt.exe" shown as "exe.txt"), so each is
// shown as its code point, "<U+202E>".
constexpr std::array<std::pair<char16_t, char16_t>, 2> kBidiControls = {{{0x202A, 0x202E}, {0x2066, 0x2069}}};

bool isBidiControl(QChar c)
{
    return std::any_of(kBidiControls.cbegin(), kBidiControls.cend(),
                       [c](const auto &range) { return c.unicode() >= range.first && c.unicode() <= range.second; });
}

// What visibleText shows as a sign.
bool needsSign(QChar c) { return isControl(c) || isBidiControl(c); }

// U+2400 (␀) onwards stand for the C0 characters in order; U+2421 (␡)
// for DEL.
constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

} // namespace

const QString &wordText(Word w)
{
    static const auto texts = decoded<kWordCount>([](std::size_t i) { return word(Word(i)); });
    return texts[std::size_t(w)];
}

const QString &entryName(Entry entry)
{
    static const auto names = decoded<kEntryCount>([](std::size_t i) { return kMeasuredItems[i].word; });
    return names[std::size_t(entry)];
}

const QString &entryUnit(Entry entry)
{
    static const auto units = decoded<kEntryCount>([](std::size_t i) { return kMeasuredItems[i].unit; });
    return units[std::size_t(entry)];
}

QString shownText(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isControl))
        return text;
    TextBuilder shown;
    appendShownText(shown, text);
    return shown.toString();
}

QString visibleText(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), needsSign))
        return text;
    QString shown;
    shown.reserve(text.size() + 3);
    for (const QChar c : text) {
        if (!needsSign(c))
            shown += c;
        else if (isBidiControl(c))
            shown += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper();
        else if (c.unicode() < 0x20)
            shown += QChar(kControlPictures + c.unicode());
        else if (c.unicode() == 0x7f)
            shown += QChar(kDeletePicture);
        else
            shown += QStringLiteral("\\x") + QString::number(c.unicode(), 16);
    }
    return shown;
}

QString quoted(const QString &cell) { return u'"' + messageCell(shownText(cell)) + u'"'; }

void appendShownText(TextBuilder &to, QStringView text)
{
    if (std::none_of(text.begin(), text.end(), isControl)) {
        to << text;
        return;
    }
    for (const QChar c : text) {
        if (!isControl(c))
            to << c;
    }
}

QString limitText(Entry entry, double limit)
{
    TextBuilder text;
    appendLimitText(text, entry, limit);
    return text.toString();
}

void appendLimitText(TextBuilder &to, Entry entry, double limit)
{
    const int decimals = measured(entry).limitDecimals;
    // The limits are whole numbers or tenths (85, 130, 5.6): their digits go
    // straight into the text. A limit held within a rounding of its tenths
    // is written as those tenths, as printf would round it.
    const double scaled = decimals == 0 ? limit : limit * 10;
    if (decimals <= 1 && scaled == std::trunc(scaled) && scaled >= 0 && scaled < 1e15) {
        const auto digits = std::uint64_t(scaled);
        if (decimals == 0) {
            to.appendNumber(digits);
        } else {
            to.appendNumber(digits / 10) << u'.';
            to.appendNumber(digits % 10);
        }
        return;
    }
    to << QString::number(limit, 'f', decimals);
}

QString withUnit(const QString &number, Entry entry) { return number % u' ' % entryUnit(entry); }

const QString &criterionName(Criterion criterion) { return wordText(wordOf(criterion)); }

const QString &sexName(bool female) { return wordText(female ? Word::Female : Word::Male); }

const QString &choiceName(bool yes) { return wordText(yes ? Word::Yes : Word::No); }

const QString &ageBandName(AgeBand band)
{
    return wordText(band == AgeBand::From40To64 ? Word::Ages40To64 : Word::Ages65To74);
}
