#include "examinee/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// CP932 is the code page that Windows calls 932: named explicitly, never the
// system's code page (1252 on a Windows that is not Japanese).
constexpr const char *kCp932Name = "windows-31j";
#ifdef Q_OS_WIN
constexpr UINT kCp932Page = 932;
#endif

bool isCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The first invalid character that a decoder put in place of invalid bytes.
qsizetype firstReplacement(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ReplacementCharacter || text[i] == QChar(0x1A))
            return i;
    }
    return text.size();
}

} // namespace

struct TextDecoder::Impl {
    TextEncoding encoding;
    QStringDecoder decoder;
    bool cp932LeadPending = false; // a CP932 lead byte ended the last piece
    // Qt's decoders carry an unfinished character over without a word, even
    // at the end of the file: UTF-8 is followed here, UTF-16 counted.
    EncodingDetector utf8{};
    qint64 bytesSeen = 0;
#ifdef Q_OS_WIN
    QByteArray carried{}; // an unfinished CP932 character, for the next piece
#endif
};

namespace {

QStringDecoder decoderFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom: return QStringDecoder(QStringDecoder::Utf8);
    case TextEncoding::Utf16LE: return QStringDecoder(QStringDecoder::Utf16LE);
    case TextEncoding::Utf16BE: return QStringDecoder(QStringDecoder::Utf16BE);
    case TextEncoding::Cp932: break;
    }
#ifdef Q_OS_WIN
    return QStringDecoder(); // MultiByteToWideChar does CP932 here
#else
    return QStringDecoder(kCp932Name);
#endif
}

#ifdef Q_OS_WIN
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
#endif

} // namespace

TextDecoder::TextDecoder(TextEncoding encoding)
    : m_impl(new Impl{.encoding = encoding, .decoder = decoderFor(encoding)})
{
}

TextDecoder::~TextDecoder() = default;

QString TextDecoder::decode(QByteArrayView bytes)
{
    if (m_failed)
        return {};
    QString text;
    m_impl->bytesSeen += bytes.size();
    if (m_impl->encoding == TextEncoding::Utf8 || m_impl->encoding == TextEncoding::Utf8WithBom)
        m_impl->utf8.feed(bytes);
    if (m_impl->encoding == TextEncoding::Cp932) {
        // Whether the piece ends inside a character, which Qt's decoder
        // carries over without a word, even at the end of the file.
        for (const char c : bytes) {
            if (m_impl->cp932LeadPending)
                m_impl->cp932LeadPending = false;
            else
                m_impl->cp932LeadPending = isCp932Lead(static_cast<unsigned char>(c));
        }
#ifdef Q_OS_WIN
        if (!decodeCp932Piece(m_impl->carried, bytes, text))
            m_failed = true;
        return text;
#endif
    }
    text = m_impl->decoder.decode(bytes);
    if (m_impl->decoder.hasError()) {
        m_failed = true;
        text.truncate(firstReplacement(text));
    }
    return text;
}

QString TextDecoder::finish()
{
    QString rest = decode(QByteArrayView());
    const bool utf16 = m_impl->encoding == TextEncoding::Utf16LE || m_impl->encoding == TextEncoding::Utf16BE;
    if (m_impl->cp932LeadPending || m_impl->utf8.endsInsideCharacter() || (utf16 && m_impl->bytesSeen % 2 != 0))
        m_failed = true;
    return rest;
}

struct TextEncoder::Impl {
    TextEncoding encoding;
    QStringEncoder encoder;
};

namespace {

QStringEncoder encoderFor(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithBom: return QStringEncoder(QStringEncoder::Utf8);
    case TextEncoding::Utf16LE: return QStringEncoder(QStringEncoder::Utf16LE);
    case TextEncoding::Utf16BE: return QStringEncoder(QStringEncoder::Utf16BE);
    case TextEncoding::Cp932: break;
    }
#ifdef Q_OS_WIN
    return QStringEncoder();
#else
    return QStringEncoder(kCp932Name);
#endif
}

// What CP932 writes for the two characters of the results' words that it
// has no place for.
QString inCp932Characters(QStringView text)
{
    QString out = text.toString();
    out.replace(u'≥', u'≧');
    out.replace(u'²', u'2');
    return out;
}

#ifdef Q_OS_WIN
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
#endif

} // namespace

TextEncoder::TextEncoder(TextEncoding encoding) : m_impl(new Impl{encoding, encoderFor(encoding)}) {}

TextEncoder::~TextEncoder() = default;

void TextEncoder::encodeInto(QByteArray &bytes, QStringView text)
{
    if (m_impl->encoding == TextEncoding::Cp932) {
        bytes += encode(text);
        return;
    }
    // Straight into the room at the end: no array of its own for the line.
    const qsizetype start = bytes.size();
    bytes.resize(start + m_impl->encoder.requiredSpace(text.size()));
    const char *end = m_impl->encoder.appendToBuffer(bytes.data() + start, text);
    bytes.resize(end - bytes.constData());
}

QByteArray TextEncoder::encode(QStringView text)
{
    if (m_impl->encoding != TextEncoding::Cp932)
        return m_impl->encoder.encode(text);
    const QString written = inCp932Characters(text);
    QByteArray bytes;
#ifdef Q_OS_WIN
    const bool ok = encodeCp932(written, bytes);
#else
    bytes = m_impl->encoder.encode(written);
    const bool ok = !m_impl->encoder.hasError();
#endif
    if (ok)
        return bytes;
    // Which character it was, one at a time (only on the way to an error).
    m_failed = true;
    for (qsizetype i = 0; i < written.size(); ++i) {
        const qsizetype length = written[i].isHighSurrogate() && i + 1 < written.size() ? 2 : 1;
        const QStringView one = QStringView(written).mid(i, length);
#ifdef Q_OS_WIN
        QByteArray ignored;
        const bool fits = encodeCp932(one, ignored);
#else
        QStringEncoder single(kCp932Name);
        single.encode(one);
        const bool fits = !single.hasError();
#endif
        if (!fits) {
            m_unwritable = one.toString();
            break;
        }
        i += length - 1;
    }
    return {};
}
