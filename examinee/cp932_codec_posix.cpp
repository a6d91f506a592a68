#include "examinee/cp932_codec.h"

#include <QStringEncoder>

namespace {

// CP932 is the code page that Windows calls 932: named explicitly, never the
// system's code page (1252 on a Windows that is not Japanese).
constexpr const char *kCp932Name = "windows-31j";

} // namespace

struct Cp932Decoder::State {
    QStringDecoder decoder{kCp932Name};
};

Cp932Decoder::Cp932Decoder() : m_state(new State) {}

Cp932Decoder::~Cp932Decoder() = default;

bool Cp932Decoder::decode(QByteArrayView bytes, QString &text)
{
    return decodeUpToInvalid(m_state->decoder, bytes, text);
}

struct Cp932Encoder::State {
    QStringEncoder encoder{kCp932Name};
};

Cp932Encoder::Cp932Encoder() : m_state(new State) {}

Cp932Encoder::~Cp932Encoder() = default;

bool Cp932Encoder::encode(QStringView text, QByteArray &out)
{
    out = m_state->encoder.encode(text);
    return !m_state->encoder.hasError();
}

bool Cp932Encoder::fits(QStringView character)
{
    QStringEncoder single(kCp932Name);
    single.encode(character);
    return !single.hasError();
}
