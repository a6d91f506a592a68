// How fast kalvemo-judge judges a day's list, beside its floor: the same file
// read, decoded, split into cells and written back with no judgement. Each
// run is a process of its own, so that its peak resident memory is its own.
//
//   kalvemo_bench_daylist [ROWS...] [--runs N]
//       makes a list of each size (10000 and 1000000 if none given), runs
//       the judgement and the floor N times each (5 if not given), taking
//       turns, and prints the medians: rows per second, the ratio to the
//       floor, and the peak resident memory.
//   kalvemo_bench_daylist --run judge|floor FILE
//       one run; prints the processor nanoseconds it took, those of them
//       spent in the system, and the peak RSS in KiB (VmHWM).
#include "daylist/day_list.h"
#include "daylist/delimited_writer.h"
#include "daylist/output_file.h"
#include "examinee/decoded_text.h"
#include "examinee/delimited_reader.h"
#include "examinee/text_codec.h"

#include "process_figures.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kDefaultRuns = 5;

// Made-up examinees around the limits, with an ID and a name copied through;
// written as they are made, so that this process stays small (a child
// started by fork inherits the peak of its parent's memory).
void writeList(QIODevice &list, qint64 rows)
{
    QRandomGenerator random(24);
    list.write(QStringLiteral("受診者ID,氏名,年齢区分,性別,身長,体重,腹囲,収縮期血圧,拡張期血圧,中性脂肪,"
                              "HDLコレステロール,空腹時血糖,HbA1c(NGSP),服薬(血圧),服薬(脂質),服薬(血糖),喫煙\r\n")
                   .toUtf8());
    const auto pick = [&](int low, int high) { return QByteArray::number(low + random.bounded(high - low + 1)); };
    const QByteArray bands[] = {QStringLiteral("40歳～64歳").toUtf8(), QStringLiteral("65歳～74歳").toUtf8()};
    const QByteArray sexes[] = {QStringLiteral("男").toUtf8(), QStringLiteral("女").toUtf8()};
    const QByteArray answers[] = {QStringLiteral("なし").toUtf8(), QStringLiteral("あり").toUtf8()};
    for (qint64 i = 0; i < rows; ++i) {
        list.write('K' + QByteArray::number(i) + ",\"受診者 " + QByteArray::number(i) + "\"," + bands[random.bounded(2)]
                   + ',' + sexes[random.bounded(2)] + ',' + pick(145, 185) + ',' + pick(45, 95) + ',' + pick(70, 105)
                   + ',' + pick(105, 160) + ',' + pick(60, 100) + ',' + pick(60, 250) + ',' + pick(30, 80) + ','
                   + pick(80, 130) + ",5." + pick(0, 9) + ',' + answers[random.bounded(4) == 0] + ','
                   + answers[random.bounded(4) == 0] + ',' + answers[random.bounded(4) == 0] + ','
                   + answers[random.bounded(2)] + "\r\n");
    }
}

// The floor: every step but the judgement.
int copyThrough(const QString &inputPath, const QString &outputPath)
{
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly))
        return 2;
    const TextEncoding encoding = detectEncoding(input);
    DecodedText text(input, encoding);
    DelimitedReader reader(text);
    TextEncoder encoder(encoding);
    OutputFile output;
    if (!output.open(outputPath))
        return 2;
    DelimitedRecord record;
    DelimitedLine line(reader.delimiter());
    while (reader.read(record)) {
        line.clear();
        line.add(record.cells);
        output.write(encoder.encode(line.ended()));
    }
    return output.commit(false) ? 0 : 2;
}

int runOnce(const QString &mode, const QString &file)
{
    const QString output = file + u'.' + mode;
    QFile::remove(output);
    const qint64 start = cpuNanoseconds();
    const qint64 systemStart = processorTimes().systemNs;
    const int status = mode == u"judge" ? judgeDayList({file, output, {}, false}) : copyThrough(file, output);
    const qint64 ns = cpuNanoseconds() - start;
    const qint64 systemNs = processorTimes().systemNs - systemStart;
    QFile::remove(output);
    std::printf("%lld %lld %ld %d\n", static_cast<long long>(ns), static_cast<long long>(systemNs), peakRssKiB(),
                status);
    return 0;
}

struct Figures {
    double seconds;
    double systemSeconds; // of `seconds`
    long rssKiB;
};

Figures measure(const QString &mode, const QString &file)
{
    QProcess run;
    run.setProcessChannelMode(QProcess::SeparateChannels);
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--run"), mode, file});
    run.waitForFinished(-1);
    const QList<QByteArray> parts = run.readAllStandardOutput().trimmed().split(' ');
    if (parts.size() != 4 || parts[3].toInt() > 1)
        qFatal("the %s run failed", qPrintable(mode));
    return {parts[0].toLongLong() / 1e9, parts[1].toLongLong() / 1e9, parts[2].toLong()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == u"--run")
        return runOnce(args[1], args[2]);

    int runs = kDefaultRuns;
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at >= 0 && at + 1 < args.size()) {
        runs = args[at + 1].toInt();
        args.remove(at, 2);
    }
    QList<qint64> sizes;
    for (const QString &a : args)
        sizes << a.toLongLong();
    if (sizes.isEmpty())
        sizes = {10000, 1000000};

    QTemporaryDir dir;
    std::printf("%10s %14s %14s %7s %12s %12s %10s %10s %11s\n", "rows", "judge rows/s", "floor rows/s", "ratio",
                "judge KiB", "floor KiB", "judge sys", "floor sys", "user ratio");
    for (const qint64 rows : sizes) {
        const QString file = dir.filePath(QStringLiteral("list%1.csv").arg(rows));
        QFile list(file);
        list.open(QIODevice::WriteOnly);
        writeList(list, rows);
        list.close();
        std::vector<double> judged, floor, judgedSystem, floorSystem, judgedUser, floorUser;
        long judgedRss = 0, floorRss = 0;
        for (int i = 0; i < runs; ++i) {
            const Figures j = measure(QStringLiteral("judge"), file);
            const Figures f = measure(QStringLiteral("floor"), file);
            judged.push_back(j.seconds);
            floor.push_back(f.seconds);
            judgedSystem.push_back(j.systemSeconds);
            floorSystem.push_back(f.systemSeconds);
            judgedUser.push_back(j.seconds - j.systemSeconds);
            floorUser.push_back(f.seconds - f.systemSeconds);
            judgedRss = std::max(judgedRss, j.rssKiB);
            floorRss = std::max(floorRss, f.rssKiB);
        }
        const double judgeRate = rows / median(judged), floorRate = rows / median(floor);
        std::printf("%10lld %14.0f %14.0f %6.2fx %12ld %12ld %9.3fs %9.3fs %10.2fx\n", static_cast<long long>(rows),
                    judgeRate, floorRate, floorRate / judgeRate, judgedRss, floorRss, median(judgedSystem),
                    median(floorSystem), median(judgedUser) / median(floorUser));
    }
    return 0;
}
