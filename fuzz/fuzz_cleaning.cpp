// Cleaning a numeric field's text: only characters that may stay remain, a
// second cleaning changes nothing, nothing is added or reordered, and the
// result is what removing one bad character at a time from the left gives.
#include "entry/numeric_entry.h"

#include <QString>

#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The slow way: find the first character that may not stay, remove it,
// start again from the beginning.
QString removedOneAtATime(QString text)
{
    for (;;) {
        qsizetype bad = -1;
        for (qsizetype i = 0; i < text.size() && bad < 0; ++i) {
            if (!mayStayInNumericField(text[i].unicode(), i == 0))
                bad = i;
        }
        if (bad < 0)
            return text;
        text.remove(bad, 1);
    }
}

bool isSubsequence(const QString &part, const QString &whole)
{
    qsizetype at = 0;
    for (const QChar c : whole) {
        if (at < part.size() && part[at] == c)
            ++at;
    }
    return at == part.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const QString clean = cleanedNumericText(text);
    for (qsizetype i = 0; i < clean.size(); ++i)
        require(mayStayInNumericField(clean[i].unicode(), i == 0));
    require(cleanedNumericText(clean) == clean);
    require(isSubsequence(clean, text));
    if (text.size() <= 256) // the model is quadratic
        require(removedOneAtATime(text) == clean);
    return 0;
}
