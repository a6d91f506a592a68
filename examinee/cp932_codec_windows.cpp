#include "examinee/cp932_codec.h"

#include <windows.h>

namespace {

// CP932 is the code page that Windows calls 932: named explicitly, never the
// system's code page (1252 on a Windows that is not Japanese).
constexpr UINT kCp932Page = 932;

// The single bytes that Microsoft's table of code page 932 leaves undefined.
// Windows turns some of them into U+0080 or private-use characters even with
// MB_ERR_INVALID_CHARS; Linux's decoder refuses them all, and so does this
// one, so that a file reads alike on both. The bytes start at a character.
bool holdsUndefinedSingleByte(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (isCp932Lead(b))
            ++i;
        else if (b == 0x80 || b == 0xA0 || b >= 0xFD)
            return true;
    }
    return false;
}

// CP932 through Windows itself, whose Qt has no such decoder, with
// MB_ERR_INVALID_CHARS so that an invalid byte fails instead of turning into
// a default character. False if the bytes hold one.
bool decodeCp932(QByteArrayView bytes, QString &out)
{
    out.clear();
    if (bytes.isEmpty())
        return true;
    if (holdsUndefinedSingleByte(bytes))
        return false;
    const int wide = MultiByteToWideChar(kCp932Page, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()), nullptr, 0);
    if (wide <= 0)
        return false;
    out.resize(wide);
    MultiByteToWideChar(kCp932Page, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(out.data()), wide);
    return true;
}

// The text of the carried bytes and the piece, up to the last whole
// character (the rest is carried on). At an invalid byte the text ends before
// the line that holds it: lines are decoded one by one then, since a line
// feed is never the second byte of a CP932 character.
bool decodeCp932Piece(QByteArray &carried, QByteArrayView bytes, QString &text)
{
    const QByteArray all = carried + bytes.toByteArray();
    qsizetype whole = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (isCp932Lead(static_cast<unsigned char>(all[i]))) {
            if (i + 1 == all.size())
                break;
            ++i;
        }
        whole = i + 1;
    }
    carried = all.mid(whole);
    const QByteArrayView complete = QByteArrayView(all).first(whole);
    if (decodeCp932(complete, text))
        return true;
    text.clear();
    for (qsizetype start = 0; start < complete.size();) {
        const qsizetype feed = complete.indexOf('\n', start);
        const qsizetype end = feed < 0 ? complete.size() : feed + 1;
        QString line;
        if (!decodeCp932(complete.sliced(start, end - start), line))
            break;
        text += line;
        start = end;
    }
    return false;
}

// Without best-fit mapping, so that a character CP932 cannot hold fails
// instead of turning into a look-alike.
bool encodeCp932(QStringView text, QByteArray &out)
{
    out.clear();
    if (text.isEmpty())
        return true;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCp932Page, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr, 0, nullptr,
                                         &usedDefault);
    if (size <= 0 || usedDefault)
        return false;
    out.resize(size);
    WideCharToMultiByte(kCp932Page, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), out.data(), size, nullptr,
                        &usedDefault);
    return !usedDefault;
}

} // namespace

struct Cp932Decoder::State {
    QByteArray carried; // an unfinished CP932 character, for the next piece
};

Cp932Decoder::Cp932Decoder() : m_state(new State) {}

Cp932Decoder::~Cp932Decoder() = default;

bool Cp932Decoder::decode(QByteArrayView bytes, QString &text)
{
    return decodeCp932Piece(m_state->carried, bytes, text);
}

struct Cp932Encoder::State {};

Cp932Encoder::Cp932Encoder() : m_state(new State) {}

Cp932Encoder::~Cp932Encoder() = default;

bool Cp932Encoder::encode(QStringView text, QByteArray &out) { return encodeCp932(text, out); }

bool Cp932Encoder::fits(QStringView character)
{
    QByteArray ignored;
    return encodeCp932(character, ignored);
}
