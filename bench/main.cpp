// kalvemo_bench [section ...]   sections: paste startup instructions memory typing judgement
// With no section named, all of them run. Figures go to stdout as plain
// tables; each is printed beside the same action on bare Qt widgets (the
// floor), with the ratio between the two.
#include "bench_support.h"
#include "sections.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

namespace {

struct Section {
    const char *name;
    void (*run)();
};

constexpr Section kSections[] = {
    {"paste", benchPaste},   {"startup", benchStartup}, {"instructions", benchInstructions},
    {"memory", benchMemory}, {"typing", benchTyping},   {"judgement", benchJudgement},
};

const Section *findSection(const char *name)
{
    for (const Section &section : kSections) {
        if (std::strcmp(section.name, name) == 0)
            return &section;
    }
    return nullptr;
}

int usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [paste|startup|instructions|memory|typing|judgement ...]\n", program);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::int64_t mainEntryNs = Bench::monotonicNs();
    // No display is needed; children inherit the choice.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, mainEntryNs);

    std::vector<const Section *> chosen;
    for (const char *name : std::span(argv + 1, argv + argc)) {
        const Section *section = findSection(name);
        if (!section)
            return usage(argv[0]);
        chosen.push_back(section);
    }
    if (chosen.empty()) {
        for (const Section &section : kSections)
            chosen.push_back(&section);
    }

    QApplication app(argc, argv);
    std::printf("kalvemo_bench: Qt %s, platform %s; medians, floor = bare Qt widgets, ratio = kalvemo / floor\n",
                qVersion(), qPrintable(QGuiApplication::platformName()));
    for (const Section *section : chosen)
        section->run();
    return 0;
}
