#include "examinee/decoded_text.h"

namespace {
constexpr qint64 kPieceBytes = 64 * 1024;
}

DecodedText::DecodedText(QIODevice &device, TextEncoding encoding) : m_device(device), m_decoder(encoding) {}

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
        m_bytesRead += bytes.size();
        QString text = m_decoder.decode(bytes);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

TextEncoding detectEncoding(QIODevice &device)
{
    EncodingDetector detector;
    for (QByteArray bytes; !(bytes = device.read(kPieceBytes)).isEmpty();)
        detector.feed(bytes);
    device.seek(0);
    return detector.encoding();
}
