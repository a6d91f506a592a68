// Cleaning a numeric field's text, against a model of its own: the model
// knows the characters a numeric field keeps from the field's character
// table and removes the others one at a time from the left, as the field's
// change events do, so it shares nothing with the code under test.
#include "entry/numeric_entry.h"

#include <QString>

#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The field's character table, by UTF-16 code unit: digits and the point
// anywhere, control characters (which only a paste brings) anywhere, a minus
// only as the first character, nothing else.
bool keptByTheTable(char16_t c, qsizetype position)
{
    if (c >= 0x30 && c <= 0x39) // "0" to "9"
        return true;
    if (c == 0x2e) // "."
        return true;
    if (c <= 0x1f) // control characters
        return true;
    if (c == 0x2d) // "-"
        return position == 0;
    return false;
}

// Find the first character the table does not keep where it stands, cut it
// out, and look again from the front of the shortened text.
QString removedOneAtATime(QString text)
{
    for (;;) {
        qsizetype bad = 0;
        while (bad < text.size() && keptByTheTable(text[bad].unicode(), bad))
            ++bad;
        if (bad == text.size())
            return text;
        text.remove(bad, 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QString clean = cleanedNumericText(text);
    if (text.size() <= 256) { // the model is quadratic
        const QString expected = removedOneAtATime(text);
        require(clean == expected);
        require(isCleanNumericText(text) == (expected == text));
    }
    // What holds at any length: the clean text is clean, stays as it is when
    // cleaned again, and is the text with characters left out, none added.
    require(isCleanNumericText(clean));
    require(cleanedNumericText(clean) == clean);
    qsizetype at = 0;
    for (const QChar c : text) {
        if (at < clean.size() && clean[at] == c)
            ++at;
    }
    require(at == clean.size());
    return 0;
}
