// Sections that need a fresh process per sample: start-up time and peak
// memory. The parent launches this executable again in child mode with the
// real window, with a bare QWidget of the same size (the floor), and with that
// bare window holding one label of Japanese text (the text floor: what Qt's
// font and text machinery adds to any window that shows text).
#include "bench_support.h"
#include "sections.h"

#include "app/fonts.h"
#include "app/form3.h"
#include "app/form_layout.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
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

constexpr int kStartupLaunches = 15;
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

// The three windows a child can show.
constexpr const char *kKinds[] = {"form", "bare", "text"};

std::unique_ptr<QWidget> makeWindow(std::string_view kind)
{
    if (kind == "form")
        return std::make_unique<Form3>();
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
    double peakRssKib = 0;
};

std::optional<ChildReport> launchChild(const char *window, const char *mode)
{
    QProcess child;
    const std::int64_t launchNs = monotonicNs();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), QLatin1String(window), QLatin1String(mode), QString::number(launchNs)});
    ChildReport report;
    const bool finished = child.waitForFinished(kChildTimeoutMs) && child.exitStatus() == QProcess::NormalExit &&
                          child.exitCode() == 0;
    if (finished && std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %lf", &report.launchToPaintNs,
                                &report.mainToPaintNs, &report.peakRssKib) == 3)
        return report;
    // Qt's warnings of a child that worked are the same as the parent's.
    std::fprintf(stderr, "child %s %s failed: %s\n", window, mode, child.readAllStandardError().constData());
    return std::nullopt;
}

struct LaunchSamples {
    std::vector<double> launchToPaintNs;
    std::vector<double> mainToPaintNs;
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
        peakRssKib.push_back(report->peakRssKib);
    }
};

// Samples of the real window, the floor and the text floor, in kKinds order.
using KindSamples = std::array<LaunchSamples, std::size(kKinds)>;

// Launches the kinds in turn, after one unrecorded launch of each (shared
// libraries and fonts into the page cache).
KindSamples launchInTurn(const char *mode, int launches)
{
    KindSamples samples;
    for (int i = -1; i < launches; ++i) {
        for (std::size_t k = 0; k < std::size(kKinds); ++k) {
            const std::optional<ChildReport> report = launchChild(kKinds[k], mode);
            if (i >= 0)
                samples[k].add(report);
        }
    }
    for (std::size_t k = 0; k < std::size(kKinds); ++k) {
        if (samples[k].failed > 0)
            std::printf("failed launches of %s: %d\n", kKinds[k], samples[k].failed);
    }
    return samples;
}

} // namespace

int runChild(int &argc, char *argv[], std::int64_t mainEntryNs)
{
    if (argc < 5)
        return 2;
    const std::string_view kind = argv[2];
    const bool keepRunning = std::strcmp(argv[3], "memory") == 0;
    const std::int64_t launchNs = std::strtoll(argv[4], nullptr, 10);

    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window = makeWindow(kind);
    std::int64_t paintedNs = 0;
    FirstPaintWatch watch(*window, [&] {
        paintedNs = monotonicNs();
        QTimer::singleShot(keepRunning ? kMemoryRunMs : 0, &app, &QCoreApplication::quit);
    });
    window->show();
    const int status = app.exec();
    std::printf("%lld %lld %ld\n", static_cast<long long>(paintedNs - launchNs),
                static_cast<long long>(paintedNs - mainEntryNs), peakRssKib());
    return status;
}

void benchStartup()
{
    heading("startup: process launch until the first paint of the window has finished");
    const auto [real, bare, text] = launchInTurn("startup", kStartupLaunches);
    std::printf("median of %d launches each; window %dx%d\n", kStartupLaunches,
                Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    const Table table({{"measured from", 16}, {"kalvemo ms", 12}, {"floor ms", 11}, {"ratio", 8},
                       {"text floor ms", 15}, {"ratio to text floor", 20}});
    using Series = std::vector<double> LaunchSamples::*;
    for (const auto &[from, series] : {std::pair{"launch", Series(&LaunchSamples::launchToPaintNs)},
                                       std::pair{"main() entry", Series(&LaunchSamples::mainToPaintNs)}}) {
        const double realNs = median(real.*series), bareNs = median(bare.*series), textNs = median(text.*series);
        table.row({from, fixed(realNs / 1e6, 2), fixed(bareNs / 1e6, 2), ratio(realNs, bareNs),
                   fixed(textNs / 1e6, 2), ratio(realNs, textNs)});
    }
    goalLine("launch ratio <= 1.2", median(real.launchToPaintNs) <= 1.2 * median(bare.launchToPaintNs));
}

void benchMemory()
{
    heading("memory: peak RSS (VmHWM) after the window has run for " + std::to_string(kMemoryRunMs) + " ms");
    const auto [real, bare, text] = launchInTurn("memory", kMemoryLaunches);
    const auto mib = [](const LaunchSamples &samples) { return median(samples.peakRssKib) / 1024.0; };
    const double realMib = mib(real), bareMib = mib(bare), textMib = mib(text);
    std::printf("median of %d launches each\n", kMemoryLaunches);
    const Table table({{"kalvemo MiB", 13}, {"floor MiB", 11}, {"difference MiB", 16}, {"text floor MiB", 16},
                       {"difference to text floor MiB", 30}});
    table.row({fixed(realMib, 1), fixed(bareMib, 1), fixed(realMib - bareMib, 1), fixed(textMib, 1),
               fixed(realMib - textMib, 1)});
    goalLine("difference <= 8 MiB", realMib - bareMib <= 8.0);
}
