#pragma once

// What one benchmark run costs, measured by the process itself.

#include <QByteArray>
#include <QFile>

#include <ctime>

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
