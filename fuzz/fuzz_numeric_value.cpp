// NumericValue on arbitrary text: never NaN, never a crash or hang, blind to
// blanks, tabs and line feeds, and symmetric under a leading minus sign.
#include "state/numeric_value.h"

#include <QString>

#include <cmath>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

QString withoutSkippedCharacters(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            kept += c;
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    // Read the bytes as UTF-16 code units, so that lone surrogates and
    // every other code unit a paste can bring are reached.
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const double value = NumericValue(text);
    require(!std::isnan(value));
    require(NumericValue(withoutSkippedCharacters(text)) == value);
    if (!text.isEmpty() && text.front().isDigit() && text.front().unicode() < 128)
        require(NumericValue(u'-' + text) == -value);
    return 0;
}
