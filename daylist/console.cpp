#include "daylist/console.h"

#include "daylist/console_system.h"
#include "words/desk_names.h"

#include <QStringList>

#include <cstdio>

namespace {

constexpr qsizetype kProgressWidth = 60;

// A progress line stands on the terminal: a message is written on a line
// of its own, not after it, and the next step draws it again under the
// message.
bool progressShown = false;

// The text with each of its lines made visible.
QString visibleLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = visibleText(line);
    return lines.join(u'\n');
}

// Text for people: to a console as the system writes to it, else UTF-8 bytes.
void writeText(const QString &text, bool toError)
{
    if (writeToConsole(text, toError))
        return;
    std::FILE *const stream = toError ? stderr : stdout;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeError(const QString &text)
{
    clearProgress();
    writeText(visibleLines(text), true);
}

void writeHelp(const QString &text) { writeText(visibleLines(text), false); }

void writeProgress(const QString &text)
{
    writeText(u'\r' + visibleText(text), true);
    progressShown = true;
}

void clearProgress()
{
    if (!progressShown)
        return;
    writeText(u'\r' + QString(kProgressWidth, u' ') + u'\r', true);
    progressShown = false;
}

bool writeOutput(QByteArrayView bytes)
{
    static const bool bytesKept = keepOutputBytes();
    Q_UNUSED(bytesKept);
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size());
}
