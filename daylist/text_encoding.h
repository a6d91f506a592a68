#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

// The encodings in which a desk receives a day's list: UTF-8 (with or
// without the byte order mark a spreadsheet puts in front), UTF-16 with its
// mark (a spreadsheet's "Unicode text") and CP932, Microsoft's Shift_JIS
// table, which a spreadsheet on a Japanese desktop writes. The result is
// written back in the encoding it came in.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Cp932 };

// "utf-8", "utf-8-bom", "utf-16le", "utf-16be", "cp932" (also "shift_jis",
// "sjis", "windows-31j"; case and "-"/"_" do not matter); none if unknown.
std::optional<TextEncoding> encodingNamed(QStringView name);
QString encodingName(TextEncoding encoding);

// The bytes of the byte order mark that opens a file in the encoding.
QByteArray byteOrderMark(TextEncoding encoding);

// Finds the encoding of a whole file, fed in pieces: a byte order mark at the
// start decides; otherwise the file is UTF-8 if every byte of it is valid
// UTF-8, and CP932 if not.
class EncodingDetector {
public:
    void feed(QByteArrayView bytes);
    TextEncoding encoding() const;

private:
    QByteArray m_start; // the first bytes, until a mark can be told
    bool m_validUtf8 = true;
    int m_continuations = 0; // continuation bytes still due in a UTF-8 sequence
    unsigned char m_lead = 0;
    bool m_first = true; // the next continuation byte is the sequence's second
    bool m_ended = false;
    void feedUtf8(QByteArrayView bytes);
};

// Turns the bytes of a file into text, piece by piece; a character split
// between two pieces is carried over. A byte order mark at the start is not
// text.
class TextDecoder {
public:
    explicit TextDecoder(TextEncoding encoding);
    ~TextDecoder();
    TextDecoder(const TextDecoder &) = delete;
    TextDecoder &operator=(const TextDecoder &) = delete;

    // The text of the bytes; after bytes that are invalid in the encoding,
    // failed() holds and the text ends at the first of them.
    QString decode(QByteArrayView bytes);
    // The end of the file: an unfinished character there is invalid.
    QString finish();
    bool failed() const { return m_failed; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_failed = false;
};

// Turns text into the bytes of the encoding. CP932 has no "≥" and no "²":
// they are written "≧" and "2" (kg/m2). A character that the encoding cannot
// hold otherwise makes the text unwritable: failed() and the character.
class TextEncoder {
public:
    explicit TextEncoder(TextEncoding encoding);
    ~TextEncoder();
    TextEncoder(const TextEncoder &) = delete;
    TextEncoder &operator=(const TextEncoder &) = delete;

    QByteArray encode(QStringView text);
    bool failed() const { return m_failed; }
    QString unwritable() const { return m_unwritable; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_failed = false;
    QString m_unwritable;
};
