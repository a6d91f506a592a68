// Sections that drive the real window in this process, each beside the same
// action on plain Qt widgets in a window of the same size.
#include "bench_support.h"
#include "sections.h"

#include "app/form3.h"
#include "state/form_controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <cstdio>
#include <functional>
#include <iterator>

using namespace Bench;

namespace {

void showAndWait(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "window not exposed: no repaint in the figures\n");
}

// The real window, and a bare window of its size holding one plain line edit
// and one plain push button sized like Text1 and Command1.
struct SideBySide {
    SideBySide()
    {
        bare.setFixedSize(form.size());
        bareEdit->setMaxLength(INT_MAX);
        bareEdit->setGeometry(QRect(text1->mapTo(&form, QPoint()), text1->size()));
        bareButton->setGeometry(QRect(command1->mapTo(&form, QPoint()), command1->size()));
        showAndWait(form);
        showAndWait(bare);
        QTest::qWait(200); // past the start-up focus move of the real window
    }

    FormControls &controls() { return form.controls(); }

    Form3 form;
    QWidget bare;
    QLineEdit *text1 = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QPushButton *command1 = form.findChild<QPushButton *>(QStringLiteral("Command1"));
    QLineEdit *bareEdit = new QLineEdit(&bare);
    QPushButton *bareButton = new QPushButton(QStringLiteral("Button"), &bare);
};

// Handles whatever the last action left pending, repaints included.
void settle() { QCoreApplication::processEvents(); }

// Makes the widget's window the active one and gives the widget the focus,
// so that each side is measured in the state a user would have it in.
void activate(QWidget *widget)
{
    QWidget *window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            std::fprintf(stderr, "window not activated\n");
    }
    widget->setFocus(Qt::OtherFocusReason);
    settle();
}

// One user action: the time its event handling takes, and that time plus the
// repaint it causes.
struct EventCost {
    double handlingNs = 0;
    double repaintedNs = 0;
};

EventCost eventCost(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    const double handled = double(timer.nsecsElapsed());
    settle();
    return {handled, double(timer.nsecsElapsed())};
}

struct EventSamples {
    std::vector<double> handling;
    std::vector<double> repainted;
};

// One side of an event comparison: the widget acted on, the timed action, an
// optional untimed one that undoes it, and the samples taken.
struct EventSide {
    QWidget *target;
    std::function<void()> timed;
    std::function<void()> undo;
    EventSamples samples;
};

constexpr int kWarmUpEvents = 20;
constexpr int kSampledEvents = 400;

// Alternates between the two sides, so that both see the same machine state.
void sampleAlternately(EventSide &real, EventSide &bare)
{
    for (int i = 0; i < kWarmUpEvents + kSampledEvents; ++i) {
        for (EventSide *side : {&real, &bare}) {
            activate(side->target);
            const EventCost cost = eventCost(side->timed);
            if (side->undo) {
                side->undo();
                settle();
            }
            if (i >= kWarmUpEvents) {
                side->samples.handling.push_back(cost.handlingNs);
                side->samples.repainted.push_back(cost.repaintedNs);
            }
        }
    }
}

// Prints handling-only and with-repaint rows for the real and the bare side,
// in microseconds, and returns the handling ratio.
double printEventRows(const EventSamples &real, const EventSamples &bare)
{
    const Table table({{"measured", 22}, {"kalvemo us", 13}, {"floor us", 13}, {"ratio", 8}});
    const auto row = [&table](const char *what, double realNs, double bareNs) {
        table.row({what, fixed(realNs / 1e3, 1), fixed(bareNs / 1e3, 1), ratio(realNs, bareNs)});
    };
    row("handling", median(real.handling), median(bare.handling));
    row("handling + repaint", median(real.repainted), median(bare.repainted));
    return median(real.handling) / median(bare.handling);
}

// ---- paste ------------------------------------------------------------------

struct PasteText {
    QString dirty;
    QString clean; // what the field must end with
};

// Every other character may stay: digits at even positions; at odd positions a
// rotating set that the field removes (letters, full-width digits, kana,
// punctuation, a minus sign that is not first).
PasteText pasteText(qsizetype length)
{
    static constexpr char16_t kRemoved[] = {u'a', u'１', u',', u' ', u'-', u'x', u'あ', u'+', u'０', u'e'};
    PasteText text;
    text.dirty.reserve(length);
    text.clean.reserve(length / 2 + 1);
    for (qsizetype i = 0; i < length; ++i) {
        if (i % 2 == 0) {
            const QChar digit(char16_t(u'0' + (i / 2 + 1) % 10));
            text.dirty.append(digit);
            text.clean.append(digit);
        } else {
            text.dirty.append(QChar(kRemoved[(i / 2) % std::size(kRemoved)]));
        }
    }
    return text;
}

// A user's paste into Text1: select all, insert. The field's change handling
// runs inside the insert, cleaning included.
double pasteIntoForm(SideBySide &w, const PasteText &text, bool &cleaned)
{
    w.controls().setText(Field::Text1, QString());
    activate(w.text1);
    const double ns = elapsedNs([&] {
        w.text1->selectAll();
        w.text1->insert(text.dirty);
    });
    cleaned = cleaned && w.text1->text() == text.clean;
    settle();
    return ns;
}

// What Qt itself does for the same paste: insert the dirty text, then set the
// clean one.
double pasteIntoBare(SideBySide &w, const PasteText &text)
{
    w.bareEdit->setText(QString());
    activate(w.bareEdit);
    const double ns = elapsedNs([&] {
        w.bareEdit->selectAll();
        w.bareEdit->insert(text.dirty);
        w.bareEdit->setText(text.clean);
    });
    settle();
    return ns;
}

struct PasteRun {
    qsizetype length;
    int repeats;
};

constexpr PasteRun kPasteRuns[] = {{1'000, 51}, {10'000, 31}, {100'000, 11}, {1'000'000, 7}};

// ---- judgement --------------------------------------------------------------

void enterExaminee(FormControls &form)
{
    const std::pair<Field, const char *> values[] = {
        {Field::Text9, "170"}, {Field::Text10, "75"}, {Field::Text12, "92"},
        {Field::Text1, "138"}, {Field::Text2, "82"},  {Field::Text6, "160"},
        {Field::Text7, "38"},  {Field::Text4, "104"}, {Field::Text5, "6.1"},
    };
    for (const auto &[field, text] : values)
        form.setText(field, QString::fromLatin1(text));
}

} // namespace

void benchPaste()
{
    heading("paste: select all + insert into Text1, half of the characters removed");
    SideBySide w;
    const Table table({{"chars", 10},
                       {"kalvemo ms", 12},
                       {"floor ms", 11},
                       {"ratio", 8},
                       {"kalvemo ns/char", 17},
                       {"floor ns/char", 15},
                       {"field text", 10}});
    std::vector<double> nsPerChar;
    double lastRatio = 0;
    bool allCleaned = true;
    for (const PasteRun &run : kPasteRuns) {
        const PasteText text = pasteText(run.length);
        std::vector<double> real, bare;
        bool cleaned = true;
        for (int i = 0; i < run.repeats; ++i) {
            real.push_back(pasteIntoForm(w, text, cleaned));
            bare.push_back(pasteIntoBare(w, text));
        }
        const double realNs = median(real), bareNs = median(bare);
        const double chars = double(run.length);
        nsPerChar.push_back(realNs / chars);
        lastRatio = realNs / bareNs;
        allCleaned = allCleaned && cleaned;
        table.row({std::to_string(run.length), fixed(realNs / 1e6, 3), fixed(bareNs / 1e6, 3), ratio(realNs, bareNs),
                   fixed(realNs / chars, 1), fixed(bareNs / chars, 1), cleaned ? "clean" : "NOT CLEAN"});
    }
    const double growth = nsPerChar.back() / nsPerChar[1];
    std::printf("kalvemo ns/char at 1000000 / at 10000: %s\n", fixed(growth, 2).c_str());
    goalLine("every size cleaned, no crash", allCleaned);
    goalLine("linear: ns/char at 1000000 within 2x of 10000", growth <= 2.0);
    goalLine("ratio <= 1.5 at 1000000", lastRatio <= 1.5);
}

void benchTyping()
{
    heading("typing: one digit typed at the end of \"12\" in Text1 (Backspace untimed)");
    SideBySide w;
    w.controls().setText(Field::Text1, QStringLiteral("12"));
    w.bareEdit->setText(QStringLiteral("12"));
    const auto typeDigit = [](QLineEdit *field) { return [field] { QTest::keyClick(field, Qt::Key_5); }; };
    const auto backspace = [](QLineEdit *field) { return [field] { QTest::keyClick(field, Qt::Key_Backspace); }; };
    EventSide real{w.text1, typeDigit(w.text1), backspace(w.text1), {}};
    EventSide bare{w.bareEdit, typeDigit(w.bareEdit), backspace(w.bareEdit), {}};
    sampleAlternately(real, bare);
    const double handling = printEventRows(real.samples, bare.samples);
    const bool unchanged = w.text1->text() == u"12" && w.bareEdit->text() == u"12";
    goalLine("both fields end at \"12\" (every digit undone by its Backspace)", unchanged);
    goalLine("handling ratio <= 1.5", handling <= 1.5);
}

void benchJudgement()
{
    heading("judgement: mouse click on Command1 with a complete examinee entered");
    SideBySide w;
    enterExaminee(w.controls());
    settle();
    const auto click = [](QPushButton *button) { return [button] { QTest::mouseClick(button, Qt::LeftButton); }; };
    EventSide real{w.command1, click(w.command1), {}, {}};
    EventSide bare{w.bareButton, click(w.bareButton), {}, {}};
    sampleAlternately(real, bare);
    printEventRows(real.samples, bare.samples);
    const QString result = w.controls().caption(Readout::Label37);
    std::printf("result shown after the clicks: %s\n", qPrintable(result));
    std::fflush(stdout);
}
