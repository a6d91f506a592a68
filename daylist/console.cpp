#include "daylist/console.h"

#include "words/desk_names.h"

#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr qsizetype kProgressWidth = 60;

// The text with each of its lines made visible.
QString visibleLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = visibleText(line);
    return lines.join(u'\n');
}

// Text for people: WriteConsoleW on a Windows console, else UTF-8 bytes.
void writeText(const QString &text, bool toError)
{
    std::FILE *const stream = toError ? stderr : stdout;
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(toError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written, nullptr);
        return;
    }
#endif
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void writeError(const QString &text) { writeText(visibleLines(text), true); }

void writeHelp(const QString &text) { writeText(visibleLines(text), false); }

void writeProgress(const QString &text) { writeText(u'\r' + visibleText(text), true); }

void clearProgress() { writeText(u'\r' + QString(kProgressWidth, u' ') + u'\r', true); }

bool errorIsTerminal()
{
#ifdef Q_OS_WIN
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode);
#else
    return isatty(STDERR_FILENO);
#endif
}

bool writeOutput(QByteArrayView bytes)
{
#ifdef Q_OS_WIN
    static const bool binary = _setmode(_fileno(stdout), _O_BINARY) != -1;
    Q_UNUSED(binary);
#endif
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size());
}

void holdOwnConsole()
{
#ifdef Q_OS_WIN
    DWORD processes[2];
    // Only this program on the console: it was made for it (a drop on the
    // icon). And the summary is on it: a program that reads the summary from
    // a pipe never waits for a key nobody will press.
    if (GetConsoleProcessList(processes, 2) == 1 && errorIsTerminal()) {
        writeError(QStringLiteral("\n何かキーを押すと閉じます。"));
        _getch();
    }
#endif
}
