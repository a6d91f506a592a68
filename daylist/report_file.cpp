#include "daylist/report_file.h"

#include "daylist/console.h"
#include "daylist/exit_status.h"
#include "daylist/html_report.h"
#include "words/message_words.h"

#include <QFileInfo>

ReportFile::ReportFile(const CommandLine &line, bool dropped) : m_path(line.report)
{
    m_beside = dropped && m_path.isEmpty() && line.output.isEmpty() && line.encoding.isEmpty();
    if (m_beside)
        m_path = pathBeside(line.input, QStringLiteral("_報告.html"));
    if (m_path.isEmpty())
        return;
    m_totals.emplace();
    for (const QString &input : line.inputs)
        m_totals->addInput(input);
}

bool ReportFile::open()
{
    if (!m_totals)
        return true;
    if (!m_beside && pathExists(m_path)) {
        m_error = m_path
                  + (QFileInfo(m_path).isDir()
                         ? QStringLiteral(": フォルダです: --report には報告のファイル名を指定してください")
                         : QStringLiteral(": ファイルがすでにあります (上書きしません)"));
        return false;
    }
    OutputFile tried; // removed as it goes
    if (tried.open(m_path))
        return true;
    m_error = placedMessage(m_path, QStringLiteral("書けません: ") + tried.error());
    return false;
}

int ReportFile::finish(const RunStatus &run)
{
    if (!m_totals || !run.resultLeft)
        return run.status;
    OutputFile file;
    if (!file.open(m_path) || !file.write(htmlReport(*m_totals).toUtf8()) || !file.commit(m_beside))
        return cannotJudge({}, placedMessage(m_path, QStringLiteral("書けません: ") + file.error()));
    writeError(QStringLiteral("報告: %1\n").arg(file.finalPath()));
    return run.status;
}
