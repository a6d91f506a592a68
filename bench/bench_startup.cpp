// How long the checkup window takes from the launch of its process to the end
// of its first paint, beside the same content shown with the fewest objects
// (the same-content floor), and the peak memory of each by then.
//
//   kalvemo_bench_startup [LAUNCHES]
//       launches itself LAUNCHES times (31 if not given) with each window, the
//       windows taking turns, and prints the medians.
//   kalvemo_bench_startup --show form|floor|bare [LAUNCH_NS]
//       shows one window and, once its first paint has finished, prints the
//       nanoseconds since LAUNCH_NS (CLOCK_MONOTONIC, taken by the launching
//       process) and the peak RSS in KiB, then ends the process at once:
//       under callgrind the count runs from exec to the first paint.
#include "app/form3.h"
#include "app/window/fonts.h"
#include "app/window/form_layout.h"
#include "app/window/frame_box.h"
#include "app/window/palette.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <string_view>

namespace {

using Layout::ControlDesign;
using Layout::Kind;

// Every control of the design table at its place in window coordinates, in
// the table's order: containers before what they hold, lower siblings first.
template <typename Visit> void forEachPlaced(Visit &&visit)
{
    std::map<std::string_view, QPoint> origins{{Layout::kWindowName, QPoint()}};
    for (const ControlDesign &d : Layout::form3Design()) {
        const QRect rect(origins.at(d.container) + QPoint(Layout::pixels(d.left), Layout::pixels(d.top)),
                         QSize(Layout::pixels(d.width), Layout::pixels(d.height)));
        if (d.kind == Kind::Frame)
            origins.emplace(d.name, rect.topLeft());
        visit(d, rect);
    }
}

// The window's content with the fewest objects any Qt program needs for it:
// one widget paints every frame (with the window's own frame painter) and
// every caption of the design table, and only the 22 controls a user works
// are widgets, with the design's fonts and colours. Captions are drawn at
// their design size: the three that the window condenses to fit the
// stand-in font are not, so what condensing costs counts against the window.
class SameContentFloor final : public QWidget {
public:
    SameContentFloor()
    {
        setFixedSize(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
        setPalette(designPalette());
        setAutoFillBackground(true);
        forEachPlaced([this](const ControlDesign &d, const QRect &rect) {
            QWidget *control = nullptr;
            QPalette palette = designPalette();
            if (d.kind == Kind::TextBox) {
                auto *field = new QLineEdit(this);
                field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                palette.setColor(QPalette::Base, toColor(kEntryBackground));
                control = field;
            } else if (d.kind == Kind::OptionButton) {
                // One parent for all: the groups are not kept apart by frames.
                auto *option = new QRadioButton(this);
                option->setAutoExclusive(false);
                option->setChecked(std::string_view(d.caption) == "1");
                control = option;
            } else if (d.kind == Kind::CommandButton) {
                control = new QPushButton(QString::fromUtf8(d.caption), this);
                palette.setColor(QPalette::Button, toColor(d.background.value_or(kWindowBackground)));
            }
            if (control) {
                control->setPalette(palette);
                control->setFont(designFont(d.fontPt));
                control->setGeometry(rect);
            }
        });
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        forEachPlaced([&](const ControlDesign &d, const QRect &rect) {
            if (d.kind != Kind::Frame && d.kind != Kind::Label && d.kind != Kind::CaptionBox)
                return;
            painter.setFont(designFont(d.fontPt));
            const QString caption = QString::fromUtf8(d.caption);
            if (d.kind == Kind::Frame)
                return paintFrame(painter, rect, caption, *this);
            if (d.border)
                qDrawShadePanel(&painter, rect, palette(), true, 1);
            const Qt::Alignment horizontal = d.align == Layout::Align::Left    ? Qt::AlignLeft
                                             : d.align == Layout::Align::Right ? Qt::AlignRight
                                                                               : Qt::AlignHCenter;
            const Qt::Alignment vertical = d.kind == Kind::CaptionBox ? Qt::AlignVCenter : Qt::AlignTop;
            style()->drawItemText(&painter, rect.adjusted(d.border, d.border, -d.border, -d.border),
                                  int(horizontal | vertical), palette(), true, caption, QPalette::WindowText);
        });
    }
};

std::unique_ptr<QWidget> makeWindow(std::string_view kind)
{
    if (kind == "form")
        return std::make_unique<Form3>();
    if (kind == "floor")
        return std::make_unique<SameContentFloor>();
    auto bare = std::make_unique<QWidget>(); // no text at all
    bare->setFixedSize(Layout::pixels(Layout::kClientWidthTwips), Layout::pixels(Layout::kClientHeightTwips));
    return bare;
}

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long peakRssKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Reports once the window's first paint pass, its children included, has
// finished: the call queued at the window's own paint event runs after it.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(long long launchNs) : m_launchNs(launchNs) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::printf("%lld %ld\n", monotonicNs() - m_launchNs, peakRssKib());
                    std::fflush(stdout);
                    std::_Exit(0); // the tear-down is no part of the start
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    long long m_launchNs;
};

int show(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const std::unique_ptr<QWidget> window = makeWindow(argv[2]);
    FirstPaint firstPaint(argc > 3 ? std::atoll(argv[3]) : 0);
    window->installEventFilter(&firstPaint);
    window->show();
    return app.exec();
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // children inherit it
    if (argc > 2 && std::string_view(argv[1]) == "--show")
        return show(argc, argv);
    QCoreApplication app(argc, argv);
    const int launches = argc > 1 ? std::atoi(argv[1]) : 31;
    const char *kinds[] = {"form", "floor", "bare"};
    std::map<std::string_view, std::vector<double>> ms, mib;
    for (int i = -1; i < launches; ++i) { // one launch of each unrecorded: files into the page cache
        for (const char *kind : kinds) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--show"), QLatin1String(kind), QString::number(monotonicNs())});
            double ns = 0, kib = 0;
            if (!child.waitForFinished() || std::sscanf(child.readAll().constData(), "%lf %lf", &ns, &kib) != 2) {
                std::fprintf(stderr, "--show %s failed\n", kind);
                return 1;
            }
            if (i >= 0) {
                ms[kind].push_back(ns / 1e6);
                mib[kind].push_back(kib / 1024);
            }
        }
    }
    std::printf("medians of %d launches each; window kalvemo / same-content floor:\n", launches);
    std::printf("launch to first paint: %.2f / %.2f ms = %.2fx (bare window %.2f ms)\n", median(ms["form"]),
                median(ms["floor"]), median(ms["form"]) / median(ms["floor"]), median(ms["bare"]));
    std::printf("peak RSS: %.1f / %.1f MiB (bare window %.1f MiB)\n", median(mib["form"]), median(mib["floor"]),
                median(mib["bare"]));
    return 0;
}
