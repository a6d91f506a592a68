// Sections that need a fresh process per sample: start-up time, start-up
// instructions and peak memory. The parent launches this executable again in
// child mode with the real window and with three floors: the same content
// with the fewest objects (one painting widget and the 22 controls a user
// works), a bare QWidget of the same size, and that bare window holding one
// label of Japanese text (what Qt's font and text machinery adds to any window
// that shows text).
#include "bench_support.h"
#include "same_content_floor.h"
#include "sections.h"

#include "app/fonts.h"
#include "app/form3.h"
#include "app/form_layout.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

using namespace Bench;

namespace {

constexpr int kStartupLaunches = 31;
constexpr int kMemoryLaunches = 5;
constexpr int kMemoryRunMs = 500; // window shown and handling events
constexpr int kChildTimeoutMs = 30'000;

// Calls `done` once, after the window's first paint pass (children included)
// has finished.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget &window, std::function<void()> done) : m_done(std::move(done))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_done) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, std::exchange(m_done, {}), Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_done;
};

// The windows a child can show, the real one first.
struct WindowKind {
    const char *arg;   // on the child's command line
    const char *title; // in the tables
};

constexpr WindowKind kKinds[] = {
    {"form", "kalvemo"},
    {"content", "same-content floor"},
    {"bare", "bare window"},
    {"text", "text floor"},
};
constexpr std::size_t kKindCount = std::size(kKinds);

std::unique_ptr<QWidget> makeWindow(std::string_view kind)
{
    if (kind == "form")
        return std::make_unique<Form3>();
    if (kind == "content")
        return std::make_unique<SameContentFloor>();
    auto bare = std::make_unique<QWidget>();
    bare->setFixedSize(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    if (kind == "text") {
        auto *label = new QLabel(QStringLiteral("身長(cm) 170"), bare.get());
        label->setFont(designFont(Layout::kWindowFontPt));
    }
    return bare;
}

struct ChildReport {
    double launchToPaintNs = 0;
    double mainToPaintNs = 0;
    double cpuNs = 0; // CPU time the child used until the paint
    double peakRssKib = 0;
};

std::optional<ChildReport> launchChild(const char *window, const char *mode)
{
    QProcess child;
    const std::int64_t launchNs = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), QLatin1String(window), QLatin1String(mode), QString::number(launchNs)});
    ChildReport report;
    const bool finished =
        child.waitForFinished(kChildTimeoutMs) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (finished
        && std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %lf %lf", &report.launchToPaintNs,
                       &report.mainToPaintNs, &report.cpuNs, &report.peakRssKib)
               == 4)
        return report;
    // Qt's warnings of a child that worked are the same as the parent's.
    std::fprintf(stderr, "child %s %s failed: %s\n", window, mode, child.readAllStandardError().constData());
    return std::nullopt;
}

struct LaunchSamples {
    std::vector<double> launchToPaintNs;
    std::vector<double> mainToPaintNs;
    std::vector<double> cpuNs;
    std::vector<double> peakRssKib;
    int failed = 0;

    void add(const std::optional<ChildReport> &report)
    {
        if (!report) {
            ++failed;
            return;
        }
        launchToPaintNs.push_back(report->launchToPaintNs);
        mainToPaintNs.push_back(report->mainToPaintNs);
        cpuNs.push_back(report->cpuNs);
        peakRssKib.push_back(report->peakRssKib);
    }
};

// Samples of each kind, in kKinds order.
using KindSamples = std::array<LaunchSamples, kKindCount>;

// Launches the kinds in turn, after one unrecorded launch of each (shared
// libraries and fonts into the page cache).
KindSamples launchInTurn(const char *mode, int launches)
{
    KindSamples samples;
    for (int i = -1; i < launches; ++i) {
        for (std::size_t k = 0; k < kKindCount; ++k) {
            const std::optional<ChildReport> report = launchChild(kKinds[k].arg, mode);
            if (i >= 0)
                samples[k].add(report);
        }
    }
    for (std::size_t k = 0; k < kKindCount; ++k) {
        if (samples[k].failed > 0)
            std::printf("failed launches of %s: %d\n", kKinds[k].title, samples[k].failed);
    }
    return samples;
}

// ---- instructions -------------------------------------------------------------

constexpr int kCallgrindLaunches = 3;

// Instructions that one child executes from exec until its first paint has
// finished, counted by callgrind, whose profile is left in `profile`.
std::optional<double> countInstructions(const QString &valgrind, const char *window, const QString &profile)
{
    QProcess child;
    child.start(valgrind, {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + profile,
                           QCoreApplication::applicationFilePath(), QStringLiteral("--child"), QLatin1String(window),
                           QStringLiteral("instructions"), QStringLiteral("0")});
    const bool finished = child.waitForFinished(10 * kChildTimeoutMs) && child.exitStatus() == QProcess::NormalExit
                          && child.exitCode() == 0;
    const QString log = QString::fromLocal8Bit(child.readAllStandardError());
    static const QRegularExpression collected(QStringLiteral("Collected : (\\d+)"));
    const QRegularExpressionMatch match = collected.match(log);
    if (finished && match.hasMatch())
        return match.captured(1).toDouble();
    std::fprintf(stderr, "callgrind of %s failed: %s\n", window, qPrintable(log));
    return std::nullopt;
}

} // namespace

int runChild(int &argc, char *argv[], std::int64_t mainEntryNs)
{
    if (argc < 5)
        return 2;
    const std::string_view kind = argv[2];
    const std::string_view mode = argv[3];
    const std::int64_t launchNs = std::strtoll(argv[4], nullptr, 10);

    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window = makeWindow(kind);
    std::int64_t paintedNs = 0;
    std::int64_t cpuNs = 0;
    const auto report = [&] {
        std::printf("%lld %lld %lld %ld\n", static_cast<long long>(paintedNs - launchNs),
                    static_cast<long long>(paintedNs - mainEntryNs), static_cast<long long>(cpuNs), peakRssKib());
        std::fflush(stdout);
    };
    FirstPaintWatch watch(*window, [&] {
        paintedNs = monotonicNs();
        cpuNs = processCpuNs();
        if (mode == "picture") {
            // The fourth argument names the PNG: to see that a floor shows
            // what the real window shows.
            window->grab().save(QString::fromLocal8Bit(argv[4]));
        }
        if (mode == "instructions") {
            // Counted up to the first paint: what the tear-down costs is no
            // part of the start.
            report();
            std::_Exit(0);
        }
        QTimer::singleShot(mode == "memory" ? kMemoryRunMs : 0, &app, &QCoreApplication::quit);
    });
    window->show();
    const int status = app.exec();
    report();
    return status;
}

void benchStartup()
{
    heading("startup: process launch until the first paint of the window has finished");
    const KindSamples samples = launchInTurn("startup", kStartupLaunches);
    std::printf("median of %d launches each, kinds alternated; window %dx%d\n", kStartupLaunches,
                Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    const Table table({{"window", 21},
                       {"from launch ms", 16},
                       {"from main() ms", 16},
                       {"CPU ms", 9},
                       {"kalvemo / this: launch", 24},
                       {"main()", 8},
                       {"CPU", 6}});
    using Series = std::vector<double> LaunchSamples::*;
    const auto ms = [&](std::size_t k, Series series) { return median(samples[k].*series) / 1e6; };
    const auto toReal = [&](std::size_t k, Series series) {
        return k == 0 ? std::string() : ratio(ms(0, series), ms(k, series));
    };
    for (std::size_t k = 0; k < kKindCount; ++k) {
        table.row({kKinds[k].title, fixed(ms(k, &LaunchSamples::launchToPaintNs), 2),
                   fixed(ms(k, &LaunchSamples::mainToPaintNs), 2), fixed(ms(k, &LaunchSamples::cpuNs), 2),
                   toReal(k, &LaunchSamples::launchToPaintNs), toReal(k, &LaunchSamples::mainToPaintNs),
                   toReal(k, &LaunchSamples::cpuNs)});
    }
    const double realLaunch = median(samples[0].launchToPaintNs);
    goalLine("from launch within 1.2x of the same-content floor",
             realLaunch <= 1.2 * median(samples[1].launchToPaintNs));
}

void benchInstructions()
{
    heading("instructions: exec until the first paint has finished, counted by callgrind");
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::printf("valgrind not found (Debian package valgrind); section skipped\n");
        return;
    }
    QTemporaryDir profiles(QDir::tempPath() + QStringLiteral("/kalvemo-callgrind-XXXXXX"));
    profiles.setAutoRemove(false);
    std::array<std::vector<double>, kKindCount> counts;
    for (int i = 0; i < kCallgrindLaunches; ++i) {
        for (std::size_t k = 0; k < kKindCount; ++k) {
            const QString profile = profiles.filePath(QStringLiteral("callgrind.%1.%2.out").arg(kKinds[k].arg).arg(i));
            if (const std::optional<double> count = countInstructions(valgrind, kKinds[k].arg, profile))
                counts[k].push_back(*count);
        }
    }
    std::printf("median of %d runs each; profiles for callgrind_annotate in %s\n", kCallgrindLaunches,
                qPrintable(profiles.path()));
    const Table table({{"window", 21}, {"instructions M", 16}, {"kalvemo / this", 16}});
    const double real = median(counts[0]);
    for (std::size_t k = 0; k < kKindCount; ++k) {
        const double count = median(counts[k]);
        table.row({kKinds[k].title, fixed(count / 1e6, 1), k == 0 ? "" : ratio(real, count)});
    }
    goalLine("within 1.2x of the same-content floor", real <= 1.2 * median(counts[1]));
}

void benchMemory()
{
    heading("memory: peak RSS (VmHWM) after the window has run for " + std::to_string(kMemoryRunMs) + " ms");
    const KindSamples samples = launchInTurn("memory", kMemoryLaunches);
    std::printf("median of %d launches each\n", kMemoryLaunches);
    const auto mib = [](const LaunchSamples &kind) { return median(kind.peakRssKib) / 1024.0; };
    const Table table({{"window", 21}, {"peak MiB", 10}, {"kalvemo - this MiB", 18}});
    const double real = mib(samples[0]);
    for (std::size_t k = 0; k < kKindCount; ++k)
        table.row({kKinds[k].title, fixed(mib(samples[k]), 1), k == 0 ? "" : fixed(real - mib(samples[k]), 1)});
    goalLine("within 8 MiB of the bare window", real - mib(samples[2]) <= 8.0);
}
