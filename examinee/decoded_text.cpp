#include "examinee/decoded_text.h"

namespace {

constexpr qint64 kPieceBytes = 64 * 1024;
// Released bytes are dropped from the front of the kept ones only when this
// many have gathered, so that they are moved seldom.
constexpr qint64 kReleaseBytes = 256 * 1024;

// The byte order mark that the decoder takes from the start of the file,
// which is no text.
qint64 markLength(TextEncoding encoding, QByteArrayView first)
{
    const bool utf8 = encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8WithBom;
    if (utf8 && first.startsWith(QByteArrayView("\xEF\xBB\xBF")))
        return 3;
    if ((encoding == TextEncoding::Utf16LE && first.startsWith(QByteArrayView("\xFF\xFE")))
        || (encoding == TextEncoding::Utf16BE && first.startsWith(QByteArrayView("\xFE\xFF"))))
        return 2;
    return 0;
}

} // namespace

DecodedText::DecodedText(QIODevice &device, TextEncoding encoding)
    : m_device(device), m_encoding(encoding), m_decoder(encoding)
{
}

QString DecodedText::next()
{
    while (!m_ended && !failed()) {
        const QByteArray bytes = m_device.read(kPieceBytes);
        if (bytes.isEmpty()) {
            m_ended = true;
            // read() says -1 (an empty array) on an error, and nothing at the end.
            m_readFailed = !m_device.atEnd() && !m_device.isSequential();
            return m_readFailed ? QString() : m_decoder.finish();
        }
        if (m_bytesRead == 0)
            m_textStart = markLength(m_encoding, bytes);
        m_bytesRead += bytes.size();
        if (m_keep)
            m_kept += bytes;
        QString text = m_decoder.decode(bytes);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

QByteArrayView DecodedText::keptBytes(qint64 from, qint64 to) const
{
    return QByteArrayView(m_kept).sliced(from - m_keptFrom, to - from);
}

void DecodedText::releaseBytes(qint64 before)
{
    if (before - m_keptFrom < kReleaseBytes)
        return;
    m_kept.remove(0, before - m_keptFrom);
    m_keptFrom = before;
}

TextEncoding detectEncoding(QIODevice &device) { return detectorOfFile(device).encoding(); }

EncodingDetector detectorOfFile(QIODevice &device)
{
    EncodingDetector detector;
    for (QByteArray bytes; !(bytes = device.read(kPieceBytes)).isEmpty();)
        detector.feed(bytes);
    device.seek(0);
    return detector;
}
