#include "examinee/text_codec.h"

#include "examinee/cp932_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

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

bool decodeUpToInvalid(QStringDecoder &decoder, QByteArrayView bytes, QString &text)
{
    text = decoder.decode(bytes);
    if (!decoder.hasError())
        return true;
    text.truncate(firstReplacement(text));
    return false;
}

struct TextDecoder::Impl {
    TextEncoding encoding;
    QStringDecoder decoder;
    bool cp932LeadPending = false; // a CP932 lead byte ended the last piece
    // Qt's decoders carry an unfinished character over without a word, even
    // at the end of the file: UTF-8 is followed here, UTF-16 counted.
    EncodingDetector utf8{};
    qint64 bytesSeen = 0;
    std::unique_ptr<Cp932Decoder> cp932{}; // for CP932 alone
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
    return QStringDecoder(); // Cp932Decoder does CP932
}

} // namespace

TextDecoder::TextDecoder(TextEncoding encoding)
    : m_impl(new Impl{.encoding = encoding,
                      .decoder = decoderFor(encoding),
                      .cp932 = encoding == TextEncoding::Cp932 ? std::make_unique<Cp932Decoder>() : nullptr})
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
        if (!m_impl->cp932->decode(bytes, text))
            m_failed = true;
        return text;
    }
    if (!decodeUpToInvalid(m_impl->decoder, bytes, text))
        m_failed = true;
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
    std::unique_ptr<Cp932Encoder> cp932; // for CP932 alone
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
    return QStringEncoder(); // Cp932Encoder does CP932
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

} // namespace

TextEncoder::TextEncoder(TextEncoding encoding)
    : m_impl(new Impl{encoding, encoderFor(encoding),
                      encoding == TextEncoding::Cp932 ? std::make_unique<Cp932Encoder>() : nullptr})
{
}

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
    if (m_impl->cp932->encode(written, bytes))
        return bytes;
    // Which character it was, one at a time (only on the way to an error).
    m_failed = true;
    for (qsizetype i = 0; i < written.size(); ++i) {
        const qsizetype length = written[i].isHighSurrogate() && i + 1 < written.size() ? 2 : 1;
        const QStringView one = QStringView(written).mid(i, length);
        if (!m_impl->cp932->fits(one)) {
            m_unwritable = one.toString();
            break;
        }
        i += length - 1;
    }
    return {};
}
