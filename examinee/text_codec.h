#pragma once

#include "examinee/text_encoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>

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
    // The same bytes, added to the end of `bytes`.
    void encodeInto(QByteArray &bytes, QStringView text);
    bool failed() const { return m_failed; }
    QString unwritable() const { return m_unwritable; }

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    bool m_failed = false;
    QString m_unwritable;
};
