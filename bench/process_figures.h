#pragma once

// What one benchmark run costs, measured by the process itself.

#include <QByteArray>
#include <QFile>

#include <ctime>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

// The peak resident memory of this process image (VmHWM): unlike
// getrusage(), it does not carry the peak of the process before exec.
inline long peakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The processor time of this process: what the run costs on one core,
// whatever else the machine is doing.
inline qint64 cpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The processor time of this process in the program's own code (user) and
// in the system on its behalf (system: the writes into the page cache, for
// one). A day's list writes several times what it reads, so the system's
// share weighs more on the judgement than on its floor, and moves with how
// the machine gives memory to the page cache.
struct ProcessorTimes {
    qint64 userNs;
    qint64 systemNs;
};

inline ProcessorTimes processorTimes()
{
#ifdef Q_OS_WIN
    FILETIME creation, exit, system, user;
    GetProcessTimes(GetCurrentProcess(), &creation, &exit, &system, &user);
    const auto ns = [](FILETIME t) { return ((qint64(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 100; };
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](timeval t) { return qint64(t.tv_sec) * 1000000000 + qint64(t.tv_usec) * 1000; };
    const auto &user = usage.ru_utime;
    const auto &system = usage.ru_stime;
#endif
    return {ns(user), ns(system)};
}
