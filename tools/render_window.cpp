// Renders the checkup window to a PNG, for the README and for checking the
// layout by eye:  render_window OUT.png [scenario]
// Scenario "judged" enters one examinee and judges it, so that the result
// labels and the value colours show. Scenario "explained" judges the desk's
// example examinee and rests the mouse on the guidance level, so that its
// explanation shows as a tooltip over the window. Scenario "f1" judges the
// same examinee and presses F1 in the height field, so that the note with
// both explanations shows by the results; "f1-before" presses F1 before any
// judgement. Scenario "elided" types a height in
// metres (1.7) and a weight of 65, whose BMI is too long for its display.
// Scenario "long-weight" types a weight of six characters, "63.872", wider
// than its field, while the focus stays in the height field.
// Scenario "flagged" judges the example with "5,6" typed for HbA1c (read as
// 56, a value to check), then changes the waist, so that the results show
// out of date, and presses Ctrl+Shift+C, whose message says why nothing was
// copied.
// Scenario "focus NAME"
// moves the focus with Tab to the named control, so that its focus mark shows
// (on a screen smaller than the window, the form scrolled to it).
#include "app/form3.h"
#include "state/form_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QToolTip>

#include <cstdio>

namespace {

void judgeExample(Form3 &window, const char *hba1c = "5.2")
{
    FormControls &form = window.controls();
    const std::pair<Field, const char *> values[] = {
        {Field::Text9, "170"}, {Field::Text10, "70"}, {Field::Text12, "95"},
        {Field::Text1, "142"}, {Field::Text2, "87"},  {Field::Text6, "160"},
        {Field::Text7, "38"},  {Field::Text4, "93"},  {Field::Text5, hba1c},
    };
    for (const auto &[field, text] : values)
        form.setText(field, QString::fromLatin1(text));
    QTest::mouseClick(window.findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
}

// The window with a window of its own that shows over it (a tooltip, the
// explanations), on one picture as large as both together.
QPixmap withPopup(Form3 &window, QWidget &tip)
{
    const QRect windowArea(window.mapToGlobal(QPoint(0, 0)), window.size());
    const QRect tipArea(tip.pos(), tip.size());
    const QRect both = windowArea.united(tipArea);
    QPixmap picture(both.size() * window.devicePixelRatio());
    picture.setDevicePixelRatio(window.devicePixelRatio());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(windowArea.topLeft() - both.topLeft(), window.grab());
    painter.drawPixmap(tipArea.topLeft() - both.topLeft(), tip.grab());
    return picture;
}

// The window with the tooltip that shows over it.
QPixmap withTooltip(Form3 &window, const char *hovered)
{
    QTest::mouseMove(window.findChild<QWidget *>(QLatin1String(hovered)));
    if (!QTest::qWaitFor([] { return QToolTip::isVisible(); }))
        return {};
    QWidget *tip = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->inherits("QLabel") && top != &window)
            tip = top;
    if (!tip)
        return {};
    return withPopup(window, *tip);
}

// Tab from wherever the focus stands to the named control.
bool tabTo(Form3 &window, const char *name)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    QTest::qWait(200); // past the start-up focus move
    auto *target = window.findChild<QWidget *>(QLatin1String(name));
    for (int tabs = 0; target && QApplication::focusWidget() != target && tabs < 30; ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return target && QApplication::focusWidget() == target;
}

// The scenarios, each bringing the shown window to the state its picture
// shows. One that draws its own picture (with a popup over the window)
// returns it; the others return a null picture and the window is grabbed.
// A scenario that cannot reach its state returns false.
struct Scenario {
    const char *name;
    bool activates; // needs the window active first (keys, tooltips, popups)
    bool (*run)(Form3 &window, const char *argument, QPixmap &picture);
};

bool judged(Form3 &window, const char *, QPixmap &)
{
    FormControls &form = window.controls();
    const std::pair<Field, const char *> values[] = {
        {Field::Text9, "170"}, {Field::Text10, "75"}, {Field::Text12, "92"},
        {Field::Text1, "138"}, {Field::Text2, "82"},  {Field::Text6, "160"},
        {Field::Text7, "38"},  {Field::Text4, "104"}, {Field::Text5, "6.1"},
    };
    for (const auto &[field, text] : values)
        form.setText(field, QString::fromLatin1(text));
    QTest::mouseClick(window.findChild<QWidget *>(QLatin1String(designName(Command::Command1))), Qt::LeftButton);
    return true;
}

bool explained(Form3 &window, const char *, QPixmap &picture)
{
    judgeExample(window);
    picture = withTooltip(window, "Label15");
    return !picture.isNull();
}

// F1 in the height field, after a judgement or before any.
bool explanationNote(Form3 &window, bool judgeFirst, QPixmap &picture)
{
    if (judgeFirst)
        judgeExample(window);
    auto *height = window.findChild<QWidget *>(QLatin1String(designName(Field::Text9)));
    height->setFocus();
    QTest::keyClick(height, Qt::Key_F1);
    auto *note = window.findChild<QWidget *>(QStringLiteral("ExplanationPopup"));
    if (!note || !note->isVisible())
        return false;
    picture = withPopup(window, *note);
    return true;
}

bool f1(Form3 &window, const char *, QPixmap &picture) { return explanationNote(window, true, picture); }
bool f1Before(Form3 &window, const char *, QPixmap &picture) { return explanationNote(window, false, picture); }

bool flagged(Form3 &window, const char *, QPixmap &)
{
    judgeExample(window, "5,6");
    window.controls().setText(Field::Text12, QStringLiteral("84"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return true;
}

// A row of a day's list copied from a spreadsheet: an ID and a name beside
// the desk's headings.
bool pasted(Form3 &, const char *, QPixmap &)
{
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "受診者ID\t氏名\t年度末年齢\t性別\t身長(cm)\t体重(kg)\t腹囲(cm)\t収縮期血圧\t拡張期血圧\t中性脂肪\t"
        "HDLコレステロール\t空腹時血糖\tHbA1c(NGSP)\t服薬(血圧)\t服薬(脂質)\t服薬(血糖)\t喫煙\r\n"
        "A-0012\t髙橋 﨑子\t58\t女\t158.5\t66\t91\t134\t86\t162\t45\t102\t5.8\tなし\tなし\tなし\tはい\r\n"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    return true;
}

bool elided(Form3 &window, const char *, QPixmap &)
{
    window.controls().setText(Field::Text9, QStringLiteral("1.7"));
    window.controls().setText(Field::Text10, QStringLiteral("65"));
    return true;
}

bool longWeight(Form3 &window, const char *, QPixmap &)
{
    window.controls().setText(Field::Text10, QStringLiteral("63.872"));
    return true;
}

bool focus(Form3 &window, const char *name, QPixmap &) { return name && tabTo(window, name); }

constexpr Scenario kScenarios[] = {
    {"judged", false, judged},     {"explained", true, explained},     {"f1", true, f1},
    {"f1-before", true, f1Before}, {"flagged", true, flagged},         {"pasted", true, pasted},
    {"elided", false, elided},     {"long-weight", false, longWeight}, {"focus", false, focus},
};

const Scenario *scenarioNamed(QByteArrayView name)
{
    for (const Scenario &scenario : kScenarios) {
        if (name == scenario.name)
            return &scenario;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Scenario *scenario = argc > 2 ? scenarioNamed(argv[2]) : nullptr;
    if (argc < 2 || (argc > 2 && !scenario)) {
        std::fprintf(stderr,
                     "usage: %s OUT.png [judged|explained|f1|f1-before|elided|long-weight|flagged|pasted|focus NAME]\n",
                     argv[0]);
        return 2;
    }
    Form3 window;
    window.show();
    QTest::qWait(200);
    QPixmap picture;
    if (scenario) {
        if (scenario->activates) {
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window))
                return 1;
        }
        if (!scenario->run(window, argc > 3 ? argv[3] : nullptr, picture))
            return 1;
    }
    if (!picture.isNull())
        return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    // The desktop's own window colour, for checks that a theme was in force.
    std::printf("desktop window colour %s\n", qPrintable(QApplication::palette().color(QPalette::Window).name()));
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
