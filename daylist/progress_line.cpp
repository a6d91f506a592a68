#include "daylist/progress_line.h"

#include "daylist/console.h"

namespace {

constexpr qint64 kFirstDrawMs = 1000; // a short run shows none
constexpr qint64 kRedrawMs = 200;

} // namespace

ProgressLine::ProgressLine(const ResultSink &sink, QString unit)
    : m_shown(errorIsTerminal() && !sink.toStandardOutput()), m_unit(std::move(unit)), m_nextDrawMs(kFirstDrawMs)
{
    m_clock.start();
}

ProgressLine::~ProgressLine()
{
    if (m_shown)
        clearProgress();
}

void ProgressLine::step(qint64 done, qint64 part, qint64 whole)
{
    if (!m_shown)
        return;
    const qint64 ms = m_clock.elapsed();
    if (ms < m_nextDrawMs)
        return;
    m_nextDrawMs = ms + kRedrawMs;
    writeProgress(QStringLiteral("%1 %  %2 %3  %4 %3/秒   ")
                      .arg(whole > 0 ? part * 100 / whole : 0)
                      .arg(done)
                      .arg(m_unit)
                      .arg(done * 1000 / ms));
}
