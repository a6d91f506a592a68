#include "daylist/console.h"
#include "daylist/console_system.h"

#include <unistd.h>

// A terminal takes UTF-8 bytes, and a POSIX stream never changes them.
bool writeToConsole(const QString &, bool) { return false; }

bool keepOutputBytes() { return true; }

bool errorIsTerminal() { return isatty(STDERR_FILENO); }

// A POSIX program never gets a console of its own.
bool startedByDrop() { return false; }

void holdOwnConsole() {}
