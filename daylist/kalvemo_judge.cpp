#include "daylist/kalvemo_judge.h"

#include "daylist/command_line.h"
#include "daylist/console.h"
#include "daylist/day_list.h"
#include "daylist/exit_status.h"
#include "daylist/input_kind.h"
#include "daylist/national_list.h"
#include "daylist/report_file.h"

int runKalvemoJudge(const QStringList &arguments)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto *usage = std::get_if<QString>(&parsed))
        return cannotJudge({}, *usage + QStringLiteral("\n詳しくは kalvemo-judge --help"));
    const CommandLine &line = std::get<CommandLine>(parsed);
    if (line.help) {
        writeHelp(helpText());
        return kAllJudged;
    }
    ReportFile report(line);
    if (!report.open())
        return cannotJudge({}, report.error());
    ClassifiedInput input = classifyInput(line.input);
    if (isNational(input.kind))
        return report.finish(judgeNationalFiles(line, std::move(input), report.totals()));
    input.file.reset(); // a list is read on its own road
    if (const QString notAList = notAListMessage(input.kind); !notAList.isEmpty())
        return cannotJudge(line.input, notAList);
    return report.finish(judgeDayList(line, report.totals()));
}
