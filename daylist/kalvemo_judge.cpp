#include "daylist/kalvemo_judge.h"

#include "daylist/command_line.h"
#include "daylist/console.h"
#include "daylist/day_list.h"
#include "daylist/exit_status.h"
#include "daylist/input_kind.h"
#include "daylist/national_list.h"
#include "daylist/report_file.h"
#include "words/message_words.h"

namespace {

QString usageOf(const QString &problem) { return problem + QStringLiteral("\n詳しくは kalvemo-judge --help"); }

} // namespace

int runKalvemoJudge(const QStringList &arguments)
{
    const auto parsed = parseCommandLine(arguments);
    if (const auto *usage = std::get_if<QString>(&parsed))
        return cannotJudge({}, usageOf(*usage));
    const CommandLine &line = std::get<CommandLine>(parsed);
    if (line.help) {
        writeHelp(helpText());
        return kAllJudged;
    }
    ReportFile report(line);
    if (!report.open())
        return cannotJudge({}, report.error());
    // A stream has no folder to put the result beside: it is read only
    // when the result is named.
    ClassifiedInput input = classifyInput(line.input, !line.output.isEmpty());
    if (input.kind == InputKind::NotARegularFile && input.problem.isEmpty())
        return cannotJudge({}, usageOf(placedMessage(line.input, notRegularFileText())
                                       + QStringLiteral("。結果の置き場所を -o で指定してください")));
    if (!input.problem.isEmpty())
        return cannotJudge(line.input, input.problem);
    if (isNational(input.kind))
        return report.finish(judgeNationalFiles(line, std::move(input), report.totals()));
    if (const QString notAList = notAListMessage(input.kind); !notAList.isEmpty())
        return cannotJudge(line.input, notAList);
    return report.finish(judgeDayList(line, *input.device, report.totals()));
}
