#include "daylist/console.h"
#include "daylist/console_system.h"

#include <conio.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

// WriteConsoleW shows Japanese text whatever the console's code page.
bool writeToConsole(const QString &text, bool toError)
{
    const HANDLE handle = GetStdHandle(toError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode))
        return false;
    DWORD written = 0;
    WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written, nullptr);
    return true;
}

// The C runtime opens standard output in text mode, which puts a CR before
// every line feed; the result's bytes go out as they are.
bool keepOutputBytes() { return _setmode(_fileno(stdout), _O_BINARY) != -1; }

bool errorIsTerminal()
{
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode);
}

bool startedByDrop()
{
    DWORD processes[2];
    // Only this program on the console: it was made for it (a drop on the
    // icon). And the summary is on it: a program that reads the summary from
    // a pipe never waits for a key nobody will press.
    return GetConsoleProcessList(processes, 2) == 1 && errorIsTerminal();
}

void holdOwnConsole()
{
    if (startedByDrop()) {
        writeError(QStringLiteral("\n何かキーを押すと閉じます。"));
        _getch();
    }
}
