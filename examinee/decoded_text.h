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

private:
    QIODevice &m_device;
    TextDecoder m_decoder;
    qint64 m_bytesRead = 0;
    bool m_ended = false;
    bool m_readFailed = false;
};

// Reads a whole file once to find its encoding (a byte order mark, else
// valid UTF-8, else CP932), and goes back to its start.
TextEncoding detectEncoding(QIODevice &device);
