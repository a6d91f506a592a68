#pragma once

#include "examinee/text_codec.h"

#include <QIODevice>
#include <QString>

// The text of a file, read and decoded a piece at a time, so that a day's
// list of any length takes the same memory.
class DecodedText {
public:
    DecodedText(QIODevice &device, TextEncoding encoding);

    // The next piece of text; empty at the end of the file or at the first
    // bytes that are invalid in the encoding (failed() then holds).
    QString next();
    bool failed() const { return m_decoder.failed() || m_readFailed; }
    bool readFailed() const { return m_readFailed; }
    qint64 bytesRead() const { return m_bytesRead; }
    TextEncoding encoding() const { return m_encoding; }

    // The bytes as read are kept too, from the start of the file until
    // released, so that a reader of the text can hand them on unchanged.
    // Asked before the first piece.
    void keepBytes() { m_keep = true; }
    bool keepsBytes() const { return m_keep; }
    // Where the text starts in the file: after its byte order mark, if it
    // has one. Known once the first piece is read.
    qint64 textStart() const { return m_textStart; }
    // The kept bytes from one offset of the file to another; both must lie
    // between the last release and the bytes read.
    QByteArrayView keptBytes(qint64 from, qint64 to) const;
    // The bytes before the offset are no longer needed.
    void releaseBytes(qint64 before);

private:
    QIODevice &m_device;
    TextEncoding m_encoding;
    TextDecoder m_decoder;
    qint64 m_bytesRead = 0;
    bool m_ended = false;
    bool m_readFailed = false;
    bool m_keep = false;
    qint64 m_textStart = 0;
    QByteArray m_kept;
    qint64 m_keptFrom = 0; // the offset of m_kept's first byte
};

// Reads a whole file once to find its encoding (a byte order mark, else
// valid UTF-8, else CP932), and goes back to its start.
TextEncoding detectEncoding(QIODevice &device);
// The same, with all that the reading found.
EncodingDetector detectorOfFile(QIODevice &device);
