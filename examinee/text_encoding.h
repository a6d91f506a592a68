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
    // The bytes so far end inside a UTF-8 character.
    bool endsInsideCharacter() const { return !m_unfinished.isEmpty(); }
    // Where a file of UTF-8 lines holds a line of another encoding: the line
    // (counted from 1) of the first byte that is not UTF-8, when a whole
    // line before it held UTF-8 beyond ASCII. Such a file is read as CP932,
    // in which its UTF-8 lines do not read. 0 for any other file.
    qsizetype mixedFromLine() const;

private:
    QByteArray m_start; // the first bytes, until a mark can be told
    bool m_validUtf8 = true;
    QByteArray m_unfinished;        // the start of a UTF-8 character the last piece cut off
    qsizetype m_line = 1;           // of the last byte fed, up to the first byte not UTF-8
    bool m_lineBeyondAscii = false; // the line so far holds a UTF-8 character beyond ASCII
    bool m_utf8LineDone = false;    // a whole line before this one did
    void feedUtf8(QByteArrayView bytes);
    void feedWholeUtf8(QByteArrayView bytes);
};
