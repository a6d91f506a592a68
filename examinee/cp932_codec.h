#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <memory>

// CP932, the one encoding each system converts in its own way: Qt's codec on
// Linux (cp932_codec_posix.cpp); on Windows, whose Qt has none, the system's
// code page 932 (cp932_codec_windows.cpp). Both refuse the same bytes, so
// that a file reads alike on both.

inline bool isCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The text of the bytes through a Qt decoder; false after bytes invalid in
// its encoding, the text then ending before the first of them.
bool decodeUpToInvalid(QStringDecoder &decoder, QByteArrayView bytes, QString &text);

// Turns CP932 bytes into text piece by piece, a character split between two
// pieces carried over.
class Cp932Decoder {
public:
    Cp932Decoder();
    ~Cp932Decoder();
    Cp932Decoder(const Cp932Decoder &) = delete;
    Cp932Decoder &operator=(const Cp932Decoder &) = delete;

    // The text of the piece; false after bytes invalid in CP932, the text
    // then ending before them.
    bool decode(QByteArrayView bytes, QString &text);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Turns text into CP932 bytes, never a look-alike for a character that CP932
// has no place for.
class Cp932Encoder {
public:
    Cp932Encoder();
    ~Cp932Encoder();
    Cp932Encoder(const Cp932Encoder &) = delete;
    Cp932Encoder &operator=(const Cp932Encoder &) = delete;

    // The bytes of the text; false where a character has no place in CP932.
    bool encode(QStringView text, QByteArray &out);
    // Whether one character has a place in CP932.
    bool fits(QStringView character);

private:
    struct State;
    std::unique_ptr<State> m_state;
};
