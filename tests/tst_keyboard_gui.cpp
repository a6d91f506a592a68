#include "window_fixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>

// The roads a desk worker takes without the mouse: Tab and Shift+Tab stop at
// the selected button of each option group only, whatever selected it; Space
// and Enter press a focused command button; Enter on an option changes
// nothing. A wrong stop is dangerous: Space there silently changes a choice.
// And the worker sees where the focus stands, by its focus mark.
class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init() { w.open(); }
    void cleanup() { w.close(); }

    void tabStopsAreTheSelectedButtons_data();
    void tabStopsAreTheSelectedButtons();
    void commandButtonsTakeSpaceAndEnter_data();
    void commandButtonsTakeSpaceAndEnter();
    void enterOnAnOptionChangesNothing_data();
    void enterOnAnOptionChangesNothing();
    void randomKeyboardSessions_data();
    void randomKeyboardSessions();
    void focusMarkRingsTheFocusedControl_data();
    void focusMarkRingsTheFocusedControl();

private:
    QStringList expectedStops() const;
    QStringList walk(Qt::KeyboardModifiers modifiers, int steps) const;
    void checkFocusIsAStop(const char *after) const;
    void compareWithFreshWindow(const char *button) const;

    WindowFixture w;
};

namespace {

// The tab order of the window, an option group standing for one stop.
const QList<QStringList> kStopOrder = {
    {"Option5", "Option6"},
    {"Text9"},
    {"Text10"},
    {"Text12"},
    {"Text1"},
    {"Text2"},
    {"Text6"},
    {"Text7"},
    {"Text4"},
    {"Text5"},
    {"Option9", "Option10"},
    {"Option7", "Option8"},
    {"Option3", "Option4"},
    {"Option1", "Option2"},
    {"Command1"},
    {"Command2"},
    {"Command3"},
};

const char *const kFields[] = {"Text9", "Text10", "Text12", "Text1", "Text2", "Text6", "Text7", "Text4", "Text5"};
const char *const kOptions[] = {"Option5", "Option6", "Option9", "Option10", "Option7",
                                "Option8", "Option3", "Option4", "Option1",  "Option2"};
const char *const kMarked[] = {"Text1", "Text2", "Text6", "Text7", "Text4", "Text5", "Label30", "Text12"};

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

} // namespace

QStringList TestKeyboard::expectedStops() const
{
    QStringList stops;
    for (const QStringList &stop : kStopOrder) {
        for (const QString &name : stop) {
            if (stop.size() == 1 || w.option(name.toLatin1().constData())->isChecked())
                stops << name;
        }
    }
    return stops;
}

// Presses Tab (or Shift+Tab) `steps` times and lists where the focus stopped.
QStringList TestKeyboard::walk(Qt::KeyboardModifiers modifiers, int steps) const
{
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        press(Qt::Key_Tab, modifiers);
        visited << focusName();
    }
    return visited;
}

void TestKeyboard::tabStopsAreTheSelectedButtons_data()
{
    QTest::addColumn<QStringList>("before"); // clicks, "key:<Key>" presses on the focus, or "Reset"
    QTest::addColumn<bool>("backwards");
    QTest::newRow("fresh window, Tab") << QStringList{} << false;
    QTest::newRow("fresh window, Shift+Tab") << QStringList{} << true;
    QTest::newRow("Reset after あり choices, Tab")
        << QStringList{"Option6", "Option10", "Option8", "Option4", "Option2", "Command3"} << false;
    QTest::newRow("Reset after あり choices, Shift+Tab")
        << QStringList{"Option6", "Option10", "Option8", "Option4", "Option2", "Command3"} << true;
    QTest::newRow("other buttons clicked, Tab")
        << QStringList{"Option6", "Option10", "Option8", "Option4", "Option2"} << false;
    QTest::newRow("other buttons clicked, Shift+Tab")
        << QStringList{"Option6", "Option10", "Option8", "Option4", "Option2"} << true;
    // The focus is on Option5 after Reset; the arrow selects female there.
    QTest::newRow("arrow in the sex group, Tab") << QStringList{"Command3", "key:Right"} << false;
    QTest::newRow("arrow in the sex group, Shift+Tab") << QStringList{"Command3", "key:Right"} << true;
}

void TestKeyboard::tabStopsAreTheSelectedButtons()
{
    QFETCH(QStringList, before);
    QFETCH(bool, backwards);
    for (const QString &step : before) {
        if (step == "key:Right")
            press(Qt::Key_Right);
        else
            w.click(step.toLatin1().constData());
    }
    // Start from the HbA1c field: the next stops forward are the four
    // groups of Step2, which a Reset or a click may have left unvisited.
    w.click("Text5");
    QStringList expected = expectedStops();
    const qsizetype from = expected.indexOf("Text5");
    QStringList cycle = expected.mid(from + 1) + expected.mid(0, from + 1);
    if (backwards) {
        cycle = expected.mid(0, from);
        std::reverse(cycle.begin(), cycle.end());
        QStringList tail = expected.mid(from);
        std::reverse(tail.begin(), tail.end());
        cycle += tail;
    }
    const QStringList visited = walk(backwards ? Qt::ShiftModifier : Qt::NoModifier, int(cycle.size()));
    QCOMPARE(visited, cycle);
}

void TestKeyboard::commandButtonsTakeSpaceAndEnter_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown"); // Label37 afterwards: a judgement prompts, Reset empties
    const QString prompt = "Step1を入力してください";
    for (const auto &[button, shown] : {std::pair{"Command1", prompt}, {"Command2", prompt}, {"Command3", QString()}}) {
        QTest::addRow("%s Space", button) << button << int(Qt::Key_Space) << int(Qt::NoModifier) << shown;
        QTest::addRow("%s Enter", button) << button << int(Qt::Key_Return) << int(Qt::NoModifier) << shown;
        QTest::addRow("%s keypad Enter", button) << button << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << shown;
    }
}

void TestKeyboard::commandButtonsTakeSpaceAndEnter()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    w.label("Label37")->setText(QStringLiteral("before"));
    auto *target = qobject_cast<QAbstractButton *>(w.control(button.toLatin1().constData()));
    target->setFocus(Qt::TabFocusReason);
    QSignalSpy clicked(target, &QAbstractButton::clicked);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(w.label("Label37")->text(), shown);
}

void TestKeyboard::enterOnAnOptionChangesNothing_data()
{
    QTest::addColumn<QString>("option");
    for (const char *option : {"Option5", "Option9", "Option7", "Option3", "Option1"})
        QTest::newRow(option) << QString::fromLatin1(option);
}

void TestKeyboard::enterOnAnOptionChangesNothing()
{
    QFETCH(QString, option);
    w.type("Text1", "140");
    QWidget *target = w.control(option.toLatin1().constData());
    target->setFocus(Qt::TabFocusReason);
    QStringList checkedBefore, indicatorsBefore;
    for (const char *name : kOptions)
        checkedBefore << QString::number(w.option(name)->isChecked());
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        indicatorsBefore << w.indicator(Indicator(i));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(target, key);
    QStringList checkedAfter, indicatorsAfter;
    for (const char *name : kOptions)
        checkedAfter << QString::number(w.option(name)->isChecked());
    for (std::size_t i = 0; i < kIndicatorCount; ++i)
        indicatorsAfter << w.indicator(Indicator(i));
    QCOMPARE(checkedAfter, checkedBefore);
    QCOMPARE(indicatorsAfter, indicatorsBefore);
    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(w.label("Label37")->text().isEmpty());
}

void TestKeyboard::checkFocusIsAStop(const char *after) const
{
    const QString focus = focusName();
    const QStringList stops = expectedStops();
    QVERIFY2(stops.contains(focus), qPrintable(QStringLiteral("focus on %1 after %2").arg(focus, after)));
}

// The results must equal those of a fresh window given the same final
// entries and choices, whichever way they were reached.
void TestKeyboard::compareWithFreshWindow(const char *button) const
{
    Form3 fresh;
    const auto freshControl = [&](const char *name) { return fresh.findChild<QWidget *>(QLatin1String(name)); };
    for (const char *name : kFields)
        qobject_cast<QLineEdit *>(freshControl(name))->setText(w.field(name)->text());
    for (const char *option : kOptions) {
        if (w.option(option)->isChecked())
            qobject_cast<QRadioButton *>(freshControl(option))->setChecked(true);
    }
    QTest::mouseClick(freshControl(button), Qt::LeftButton);
    for (const char *name : {"Label30", "Label37", "Label15"})
        QCOMPARE(w.label(name)->text(), qobject_cast<QLabel *>(freshControl(name))->text());
    for (const char *name : kMarked)
        QCOMPARE(textColour(w.control(name)), textColour(freshControl(name)));
}

void TestKeyboard::randomKeyboardSessions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 10") << 10u;
    QTest::newRow("seed 11") << 11u;
    QTest::newRow("seed 20261207") << 20261207u;
}

void TestKeyboard::randomKeyboardSessions()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    static const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    static const QString typed = QStringLiteral("0123456789012345678.");
    int judgements = 0;
    for (int step = 0; step < 1500 && !QTest::currentTestFailed(); ++step) {
        const int dice = int(random.bounded(100));
        const QString focus = focusName();
        const char *action = "";
        if (dice < 30) {
            action = "Tab";
            press(Qt::Key_Tab);
        } else if (dice < 45) {
            action = "Shift+Tab";
            press(Qt::Key_Tab, Qt::ShiftModifier);
        } else if (dice < 55) {
            action = "arrow";
            press(arrows[random.bounded(4)]);
        } else if (dice < 75) {
            // Space or Enter: on a button, a judgement or Reset.
            action = dice < 65 ? "Space" : "Enter";
            press(dice < 65 ? Qt::Key_Space : Qt::Key_Return);
            if (focus == "Command1" || focus == "Command2") {
                ++judgements;
                compareWithFreshWindow(focus == "Command1" ? "Command1" : "Command2");
            }
        } else if (dice < 92) {
            action = "typing";
            for (int i = int(random.bounded(4)); i > 0; --i)
                QTest::keyClicks(QApplication::focusWidget(), QString(typed[random.bounded(int(typed.size()))]));
        } else {
            action = "Backspace";
            press(Qt::Key_Backspace);
        }
        checkFocusIsAStop(action);
    }
    QVERIFY2(judgements > 10, "too few judgements to prove anything");
}

void TestKeyboard::focusMarkRingsTheFocusedControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("field") << "Text12";
    QTest::newRow("option near its frame's top line") << "Option1";
    QTest::newRow("green button") << "Command1";
    QTest::newRow("grey Reset button") << "Command3";
    QTest::newRow("another window has the focus") << "";
}

// A two-pixel navy ring just outside the focused control, every pixel of it
// painted; no other navy pixel in the window.
void TestKeyboard::focusMarkRingsTheFocusedControl()
{
    QFETCH(QString, name);
    QRect control, ring;
    QWidget other;
    if (name.isEmpty()) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else {
        QWidget *target = w.control(qPrintable(name));
        for (int tabs = 0; QApplication::focusWidget() != target && tabs < int(kStopOrder.size()); ++tabs)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        control = QRect(target->mapTo(w.window.get(), QPoint(0, 0)), target->size());
        ring = control.adjusted(-2, -2, 2, 2);
    }
    const QImage image = w.window->grab().toImage();
    int navy = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(0, 0, 128)) {
                ++navy;
                QVERIFY(ring.contains(x, y) && !control.contains(x, y));
            }
        }
    }
    QCOMPARE(navy, ring.width() * ring.height() - control.width() * control.height());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard_gui.moc"
