#include "daylist/kalvemo_judge.h"

#include "daylist/command_line.h"
#include "daylist/console.h"
#include "daylist/day_list.h"
#include "daylist/exit_status.h"
#include "daylist/input_kind.h"
#include "daylist/national_list.h"
#include "daylist/report_file.h"
#include "words/message_words.h"

#include <vector>

namespace {

QString usageOf(const QString &problem) { return problem + QStringLiteral("\n詳しくは kalvemo-judge --help"); }

// The run's inputs, told: the national files, the day's lists, and those
// that cannot be judged at all with why.
struct ToldInputs {
    std::vector<NamedInput> national;
    std::vector<NamedInput> lists;
    QList<std::pair<QString, QString>> refused; // path, why
};

// Each input told by its content, or the usage error that stops the run: a
// stream has no folder to put the result beside, and is read only when the
// result is named.
std::variant<ToldInputs, QString> tellInputs(const CommandLine &line)
{
    ToldInputs inputs;
    for (const QString &path : line.inputs) {
        ClassifiedInput told = classifyInput(path, !line.output.isEmpty());
        if (told.kind == InputKind::NotARegularFile && told.problem.isEmpty())
            return usageOf(placedMessage(path, notRegularFileText())
                           + QStringLiteral("。結果の置き場所を -o で指定してください"));
        const QString why = told.problem.isEmpty() ? notAListMessage(told.kind) : told.problem;
        if (!why.isEmpty())
            inputs.refused.append({path, why});
        else
            (isNational(told.kind) ? inputs.national : inputs.lists).push_back({path, std::move(told)});
    }
    return inputs;
}

// Why the inputs cannot be judged together; empty where they can.
QString cannotJudgeTogether(const CommandLine &line, const ToldInputs &inputs)
{
    if (!inputs.lists.empty() && !inputs.national.empty())
        return QStringLiteral("一覧と全国標準の XML ファイルは一緒に判定できません。別々に指定してください: %1 と %2")
            .arg(visibleText(inputs.lists.front().path), visibleText(inputs.national.front().path));
    if (inputs.lists.size() > 1 && !line.output.isEmpty())
        return usageOf(
            QStringLiteral("一覧が %1 つあります: -o は一覧が1つのときだけです (結果は一覧ごとにその横に書きます)")
                .arg(inputs.lists.size()));
    return {};
}

// Each day's list judged as if alone, into a result of its own; one summary
// for them all. A list that cannot be judged leaves nothing in the report.
RunStatus judgeDayLists(const CommandLine &line, std::vector<NamedInput> &lists, ReportTotals *report)
{
    RunStatus run;
    Summary summary;
    for (NamedInput &list : lists) {
        CommandLine one = line;
        one.input = list.path;
        if (lists.size() > 1)
            writeError(QStringLiteral("一覧: %1\n").arg(visibleText(list.path)));
        const std::optional<ReportTotals> before = report ? std::optional(*report) : std::nullopt;
        if (report)
            report->startList(list.path);
        const int status = judgeDayList(one, *list.told.device, summary, report);
        if (status >= kCannotJudge && report)
            *report = *before;
        run.add(status, status < kCannotJudge);
    }
    if (run.resultLeft)
        writeError(summaryText(summary));
    return run;
}

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
    auto told = tellInputs(line);
    if (const auto *usage = std::get_if<QString>(&told))
        return cannotJudge({}, *usage);
    ToldInputs &inputs = std::get<ToldInputs>(told);
    if (const QString why = cannotJudgeTogether(line, inputs); !why.isEmpty())
        return cannotJudge({}, why);
    ReportFile report(line, startedByDrop());
    if (!report.open())
        return cannotJudge({}, report.error());
    RunStatus run;
    for (const auto &[path, why] : inputs.refused)
        run.add(cannotJudge(path, why), false);
    if (!inputs.national.empty())
        run.add(judgeNationalFiles(line, std::move(inputs.national), report.totals()));
    run.add(judgeDayLists(line, inputs.lists, report.totals()));
    return report.finish(run);
}
